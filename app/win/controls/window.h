// Base classes binding a C++ object to a window: the window procedure is a
// static thunk that finds the object and calls its member, inside the guard
// that shows the error box.
#pragma once

#include <windows.h>

namespace app::win {

// A window of one of our own classes.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND handle() const { return window_; }

protected:
    // Registers the class on first use (arrow cursor, no background brush:
    // every class paints its own).
    static void register_class(const wchar_t* class_name, UINT class_style = CS_DBLCLKS, HICON icon = nullptr);
    HWND create(DWORD extended_style, const wchar_t* class_name, const wchar_t* text, DWORD style, const RECT& bounds,
                HWND parent, HMENU menu_or_id);

    virtual LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT default_message(UINT message, WPARAM wparam, LPARAM lparam);

private:
    static LRESULT CALLBACK thunk(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    HWND window_ = nullptr;
};

// A window of a system class (edit, combo box, button, trackbar) whose
// behaviour we extend by subclassing.
class SubclassedControl {
public:
    SubclassedControl() = default;
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;
    virtual ~SubclassedControl();

    HWND handle() const { return window_; }

protected:
    HWND create(DWORD extended_style, const wchar_t* class_name, const wchar_t* text, DWORD style, const RECT& bounds,
                HWND parent, int id);

    virtual LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT default_message(UINT message, WPARAM wparam, LPARAM lparam);

private:
    static LRESULT CALLBACK thunk(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                  DWORD_PTR self);
    HWND window_ = nullptr;
};

}  // namespace app::win
