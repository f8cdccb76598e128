#include "tests/windows/dialog/dialog_fixture.h"

#include <stdexcept>

#include "platform/win/text.h"

namespace dialog_tests {

app::win::Application& application()
{
    static app::win::Application instance;
    return instance;
}

void pump_messages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

RECT bounds_in_parent(HWND window)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

void DialogTest::SetUp()
{
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    settings_folder = std::wstring{temporary} + L"tidyset-dialog-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                      app::win::to_utf16(::testing::UnitTest::GetInstance()->current_test_info()->name());
    CreateDirectoryW(settings_folder.c_str(), nullptr);
    settings_path = app::win::to_utf8(settings_folder) + "\\system.ini";

    app::win::set_message_box_presenter([this](const app::win::MessageBoxRequest& request) {
        HWND form = current_form ? current_form->handle() : nullptr;
        boxes.push_back({request, form && IsWindowEnabled(form) != FALSE, GetCapture()});
        return answer;
    });
}

void DialogTest::TearDown()
{
    app::win::set_message_box_presenter(nullptr);
    DeleteFileW((settings_folder + L"\\system.ini").c_str());
    RemoveDirectoryW(settings_folder.c_str());
}

std::unique_ptr<app::win::TForm1> DialogTest::make_form(word::ApplicationComponent::Connector connect)
{
    if (!connect) {
        connect = []() -> std::unique_ptr<word::Application> { throw std::runtime_error("No Word in this test"); };
    }
    auto form = std::make_unique<app::win::TForm1>(
        app::win::TForm1::Setup{application().owner_window(), std::move(connect), settings_path});
    current_form = form.get();
    return form;
}

void DialogTest::show(app::win::TForm1& form)
{
    ShowWindow(form.handle(), SW_SHOWNORMAL);
    UpdateWindow(form.handle());
    pump_messages();
}

}  // namespace dialog_tests
