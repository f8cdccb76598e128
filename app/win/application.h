// The application object: the title taken from the executable's name, the
// hidden owner window that carries the taskbar entry under that title and
// owns the message boxes, and the error box as the end of every failure in
// a message handler.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "app/win/controls/window.h"

namespace app::win {

// The executable's file name without its directory, cut at the first ".",
// the rest after the first character in lower case.
std::wstring application_title_of(std::wstring_view executable_path);

class Application : public Window {
public:
    Application();

    const std::wstring& title() const { return title_; }
    HWND owner_window() const { return handle(); }

    // Shows the main window and runs the message loop until it is destroyed;
    // returns the exit code. `shortcut` sees each message first and takes it
    // by returning true (the page keys of the page control).
    int run(HWND main_window, std::function<bool(const MSG&)> shortcut = {});

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    std::wstring title_;
    HWND main_window_ = nullptr;
};

}  // namespace app::win
