#include "app/win/controls/window.h"

#include <commctrl.h>

#include "platform/win/text.h"
#include "platform/win/win32_failure.h"

namespace app::win {

Window::~Window()
{
    if (window_) {
        // Messages of the destruction must not reach a half-destroyed object.
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void Window::register_class(const wchar_t* class_name, UINT class_style, HICON icon)
{
    WNDCLASSEXW description{};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), class_name, &description)) return;
    description = WNDCLASSEXW{};
    description.cbSize = sizeof(description);
    description.style = class_style;
    description.lpfnWndProc = thunk;
    description.hInstance = GetModuleHandleW(nullptr);
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hIcon = icon;
    description.lpszClassName = class_name;
    if (!RegisterClassExW(&description) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        platform::win::throw_last_error("Cannot register window class \"" + to_utf8(class_name) + "\"");
}

HWND Window::create(DWORD extended_style, const wchar_t* class_name, const wchar_t* text, DWORD style,
                    const RECT& bounds, HWND parent, HMENU menu_or_id)
{
    const HWND window = CreateWindowExW(extended_style, class_name, text, style, bounds.left, bounds.top,
                                        bounds.right - bounds.left, bounds.bottom - bounds.top, parent, menu_or_id,
                                        GetModuleHandleW(nullptr), this);
    if (!window) platform::win::throw_last_error("Cannot create window \"" + to_utf8(class_name) + "\"");
    return window;
}

LRESULT Window::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    return default_message(message, wparam, lparam);
}

LRESULT Window::default_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcW(window_, message, wparam, lparam);
}

LRESULT CALLBACK Window::thunk(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return guard_message([&] { return self->on_message(message, wparam, lparam); });
}

SubclassedControl::~SubclassedControl()
{
    if (window_) {
        RemoveWindowSubclass(window_, thunk, kSubclassId);
        DestroyWindow(window_);
    }
}

HWND SubclassedControl::create(DWORD extended_style, const wchar_t* class_name, const wchar_t* text, DWORD style,
                               const RECT& bounds, HWND parent, int id)
{
    window_ = CreateWindowExW(extended_style, class_name, text, style, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!window_) platform::win::throw_last_error("Cannot create window \"" + to_utf8(class_name) + "\"");
    SetWindowSubclass(window_, thunk, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    return window_;
}

LRESULT SubclassedControl::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    return default_message(message, wparam, lparam);
}

LRESULT SubclassedControl::default_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefSubclassProc(window_, message, wparam, lparam);
}

}  // namespace app::win
