#include "app/win/message_box.h"

#include <utility>
#include <vector>

namespace app::win {

namespace {

MessageBoxPresenter& presenter()
{
    static MessageBoxPresenter current;
    return current;
}

struct DisabledWindows {
    HWND keep_enabled;
    std::vector<HWND> windows;
};

BOOL CALLBACK disable_enabled_window(HWND window, LPARAM state)
{
    auto& disabled = *reinterpret_cast<DisabledWindows*>(state);
    if (window != disabled.keep_enabled && IsWindowVisible(window) && IsWindowEnabled(window)) {
        disabled.windows.push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

}  // namespace

void set_message_box_presenter(MessageBoxPresenter replacement) { presenter() = std::move(replacement); }

int show_application_modal_box(HWND owner, std::wstring_view text, std::wstring_view caption, UINT style)
{
    const HWND active = GetActiveWindow();
    const HWND focus = GetFocus();

    DisabledWindows disabled{owner, {}};
    EnumThreadWindows(GetCurrentThreadId(), disable_enabled_window, reinterpret_cast<LPARAM>(&disabled));

    MessageBoxRequest request{owner, std::wstring{text}, std::wstring{caption}, style};
    const int answer = presenter() ? presenter()(request)
                                   : MessageBoxW(owner, request.text.c_str(), request.caption.c_str(), style);

    for (HWND window : disabled.windows) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    if (active && IsWindow(active)) SetActiveWindow(active);
    if (focus && IsWindow(focus)) SetFocus(focus);
    return answer;
}

}  // namespace app::win
