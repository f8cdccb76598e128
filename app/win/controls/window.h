// Base classes binding a C++ object to a window: the window procedure is a
// static thunk that finds the object and calls its member, inside the guard
// that hands its failures to the program.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "app/win/controls/failure.h"
#include "platform/win/text.h"
#include "platform/win/window_text.h"

namespace app::win {

// The controls hold UTF-8 for the program and give Windows UTF-16.
using platform::win::to_utf16;
using platform::win::to_utf8;
using platform::win::window_text;

// The id of our subclass procedures: each is set on a window at most once.
inline constexpr UINT_PTR kSubclassId = 1;

// The subclass procedure that hands a system window's messages to a member
// of its owner (SetWindowSubclass with the owner as reference data), and
// clears the owner's handle of the window when it goes.
template <class Owner, HWND Owner::*Handle, LRESULT (Owner::*Handler)(UINT, WPARAM, LPARAM)>
LRESULT CALLBACK subclass_thunk(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR data)
{
    auto* owner = reinterpret_cast<Owner*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, subclass_thunk<Owner, Handle, Handler>, id);
        owner->*Handle = nullptr;
        return DefSubclassProc(window, message, wparam, lparam);
    }
    return guard_message([&] { return (owner->*Handler)(message, wparam, lparam); });
}

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
    HWND window_ = nullptr;
    static constexpr auto thunk =
        subclass_thunk<SubclassedControl, &SubclassedControl::window_, &SubclassedControl::on_message>;
};

}  // namespace app::win
