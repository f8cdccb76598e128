#include "app/win/application.h"

#include <utility>

#include "app/error_text.h"
#include "app/win/error_box.h"
#include "platform/win/executable_path.h"
#include "platform/win/text.h"

namespace app::win {

namespace {

constexpr const wchar_t* kApplicationClass = L"TidysetApplication";

}  // namespace

std::wstring application_title_of(std::wstring_view executable_path)
{
    return to_utf16(app::application_title(to_utf8(executable_path)));
}

Application::Application() : title_(application_title_of(platform::win::executable_path()))
{
    set_failure_handler([](std::exception_ptr failure) { show_error_box(exception_message(std::move(failure))); });
    // The taskbar button shows the program's icon, if the exe has one.
    register_class(kApplicationClass, 0, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
    // Zero-sized: never seen, but as an unowned window with a caption it gets
    // the taskbar button, which therefore shows the application title.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    create(0, kApplicationClass, title_.c_str(), WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
           RECT{x, y, x, y}, nullptr, nullptr);
    set_error_box_owner(handle(), title_);
}

int Application::run(HWND main_window, std::function<bool(const MSG&)> shortcut)
{
    main_window_ = main_window;
    ShowWindow(handle(), SW_SHOWNOACTIVATE);
    ShowWindow(main_window, SW_SHOWNORMAL);
    UpdateWindow(main_window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (shortcut && IsWindow(main_window_) && shortcut(message)) continue;
        // Tab and the arrow keys move between the dialog's controls.
        if (IsWindow(main_window_) && IsDialogMessageW(main_window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    main_window_ = nullptr;
    return static_cast<int>(message.wParam);
}

LRESULT Application::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_ACTIVATE:
        // The taskbar button activates this window: the dialog takes over.
        if (LOWORD(wparam) != WA_INACTIVE && main_window_ && IsWindowEnabled(main_window_)) {
            SetActiveWindow(main_window_);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (main_window_) PostMessageW(main_window_, WM_CLOSE, 0, 0);
        return 0;
    default:
        break;
    }
    return default_message(message, wparam, lparam);
}

}  // namespace app::win
