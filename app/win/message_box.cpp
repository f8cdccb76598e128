#include "app/win/message_box.h"

#include <string_view>
#include <utility>
#include <vector>

#include "platform/win/callback_failure.h"

namespace app::win {

namespace {

MessageBoxPresenter& presenter()
{
    static MessageBoxPresenter current;
    return current;
}

struct DisabledWindows {
    HWND keep_enabled = nullptr;
    std::vector<HWND> windows;
    std::vector<HWND> topmost;
    platform::win::CallbackFailure failure;
};

BOOL CALLBACK disable_enabled_window(HWND window, LPARAM state)
{
    auto& disabled = *reinterpret_cast<DisabledWindows*>(state);
    return disabled.failure.run([&]() -> BOOL {
        if (window == disabled.keep_enabled || !IsWindowVisible(window)) return TRUE;
        if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) disabled.topmost.push_back(window);
        if (IsWindowEnabled(window)) {
            disabled.windows.push_back(window);
            EnableWindow(window, FALSE);
        }
        return TRUE;
    });
}

// A window that is not topmost never rises above one that is: while the box
// is up, the topmost dialog leaves the topmost band, and the box asks for
// the band itself as well.
void set_topmost(const std::vector<HWND>& windows, bool topmost)
{
    for (HWND window : windows) {
        if (IsWindow(window))
            SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// Wine ignores MB_TOPMOST: the box is put into the topmost band as it is
// activated, so that no later activation of the dialog covers it.
LRESULT CALLBACK raise_box(int code, WPARAM wparam, LPARAM lparam)
{
    if (code == HCBT_ACTIVATE) {
        const auto window = reinterpret_cast<HWND>(wparam);
        wchar_t name[8] = {};
        GetClassNameW(window, name, 8);
        if (std::wstring_view{name} == L"#32770")
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

class BoxRaising {
public:
    explicit BoxRaising(bool wanted)
        : hook_(wanted ? SetWindowsHookExW(WH_CBT, raise_box, nullptr, GetCurrentThreadId()) : nullptr)
    {
    }
    ~BoxRaising()
    {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    BoxRaising(const BoxRaising&) = delete;
    BoxRaising& operator=(const BoxRaising&) = delete;

private:
    HHOOK hook_;
};

void restore(const DisabledWindows& disabled)
{
    for (HWND window : disabled.windows) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    set_topmost(disabled.topmost, true);
}

}  // namespace

void set_message_box_presenter(MessageBoxPresenter replacement) { presenter() = std::move(replacement); }

int show_application_modal_box(HWND owner, std::wstring_view text, std::wstring_view caption, UINT style)
{
    const HWND active = GetActiveWindow();
    const HWND focus = GetFocus();

    DisabledWindows disabled;
    disabled.keep_enabled = owner;
    EnumThreadWindows(GetCurrentThreadId(), disable_enabled_window, reinterpret_cast<LPARAM>(&disabled));
    if (disabled.failure.failed()) {
        restore(disabled);
        disabled.failure.rethrow();
    }
    if (!disabled.topmost.empty()) {
        set_topmost(disabled.topmost, false);
        style |= MB_TOPMOST;
    }

    MessageBoxRequest request{owner, std::wstring{text}, std::wstring{caption}, style};
    int answer = 0;
    const BoxRaising raising{!disabled.topmost.empty()};
    try {
        answer = presenter() ? presenter()(request)
                             : MessageBoxW(owner, request.text.c_str(), request.caption.c_str(), style);
    } catch (...) {
        restore(disabled);
        throw;
    }

    restore(disabled);
    if (active && IsWindow(active)) SetActiveWindow(active);
    if (focus && IsWindow(focus)) SetFocus(focus);
    return answer;
}

}  // namespace app::win
