// The error message box, where every exception escaping a message handler
// ends (the controls' failure handler).
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

namespace app::win {

// The box belongs to the application's hidden owner window and carries the
// application title; the application object sets both at start.
void set_error_box_owner(HWND owner, std::wstring title);

// Releases the mouse capture, then shows the message under the error rule
// ("." appended unless it ends in "." or below) with the stop icon.
void show_error_box(std::string_view message);

// The same box with the buttons of `buttons` (MB_YESNO, ...) and a question
// below the message; returns the button pressed (IDYES, ...).
int ask_in_error_box(std::string_view message, std::string_view question, UINT buttons);

// The message of whatever was thrown.
std::string exception_message(std::exception_ptr thrown);

}  // namespace app::win
