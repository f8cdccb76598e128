// Typed owners of Win32 handles: one line per kind of handle, each with the
// function that releases it.
#pragma once

#include <windows.h>

#include <utility>

namespace platform::win {

template <class Handle, auto Release, Handle Invalid = Handle{}>
class unique_handle {
public:
    unique_handle() = default;
    explicit unique_handle(Handle handle) : handle_(handle) {}
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    unique_handle(unique_handle&& other) noexcept : handle_(other.release()) {}
    unique_handle& operator=(unique_handle&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    ~unique_handle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid; }

    Handle release() { return std::exchange(handle_, Invalid); }
    void reset(Handle handle = Invalid)
    {
        if (handle_ != Invalid) Release(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Invalid;
};

namespace detail {
inline void delete_gdi_object(HGDIOBJ object) { DeleteObject(object); }
inline void destroy_window(HWND window) { DestroyWindow(window); }
inline void destroy_icon(HICON icon) { DestroyIcon(icon); }
inline void close_handle(HANDLE handle) { CloseHandle(handle); }
}  // namespace detail

using unique_hfont = unique_handle<HFONT, detail::delete_gdi_object>;
using unique_hbrush = unique_handle<HBRUSH, detail::delete_gdi_object>;
using unique_hpen = unique_handle<HPEN, detail::delete_gdi_object>;
using unique_hwnd = unique_handle<HWND, detail::destroy_window>;
using unique_hicon = unique_handle<HICON, detail::destroy_icon>;
// A kernel object; CreateFileW's INVALID_HANDLE_VALUE is to be kept out.
using unique_hfile = unique_handle<HANDLE, detail::close_handle>;

// A device context from GetDC, handed back to its window.
class window_dc {
public:
    explicit window_dc(HWND window) : window_(window), dc_(GetDC(window)) {}
    window_dc(const window_dc&) = delete;
    window_dc& operator=(const window_dc&) = delete;
    ~window_dc()
    {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around one paint message.
class paint_scope {
public:
    explicit paint_scope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    paint_scope(const paint_scope&) = delete;
    paint_scope& operator=(const paint_scope&) = delete;
    ~paint_scope() { EndPaint(window_, &paint_); }
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context for one scope.
class selected_object {
public:
    selected_object(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    selected_object(const selected_object&) = delete;
    selected_object& operator=(const selected_object&) = delete;
    ~selected_object() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace platform::win
