// Message boxes that are modal for the whole program, as the error box and
// the run's messages are.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace app::win {

struct MessageBoxRequest {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT style;
};

// What finally puts the box on screen: MessageBoxW unless replaced. Tests
// replace it to read the box instead of waiting for a click; everything
// around the call stays as in the program.
using MessageBoxPresenter = std::function<int(const MessageBoxRequest&)>;
void set_message_box_presenter(MessageBoxPresenter presenter);

// Disables the thread's other top-level windows while the box is up, then
// enables them and gives activation and the keyboard focus back to where
// they were.
int show_application_modal_box(HWND owner, std::wstring_view text, std::wstring_view caption, UINT style);

}  // namespace app::win
