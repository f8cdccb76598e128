// Windows on the virtual screen: created, shown as the main dialog is
// (layered and topmost), and destroyed.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct SeenMessages {
    bool created = false;
    bool destroyed = false;
};

LRESULT CALLBACK record_messages(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NCCREATE) {
        auto* creation = reinterpret_cast<CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    if (auto* seen = reinterpret_cast<SeenMessages*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
        if (message == WM_CREATE) seen->created = true;
        if (message == WM_DESTROY) seen->destroyed = true;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

const wchar_t* window_class()
{
    static const wchar_t* const name = [] {
        WNDCLASSW description{};
        description.lpfnWndProc = record_messages;
        description.hInstance = GetModuleHandleW(nullptr);
        description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        description.lpszClassName = L"TidysetSmokeWindow";
        return RegisterClassW(&description) != 0 ? description.lpszClassName : nullptr;
    }();
    return name;
}

HWND create_window(DWORD extended_style, SeenMessages& seen)
{
    return CreateWindowExW(extended_style, window_class(), L"Tidyset smoke",
                           WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 100, 320, 240, nullptr, nullptr,
                           GetModuleHandleW(nullptr), &seen);
}

void pump_messages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

TEST(Window, IsCreatedAndDestroyedWithItsMessages)
{
    ASSERT_NE(window_class(), nullptr);
    SeenMessages seen;
    HWND window = create_window(0, seen);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(seen.created);
    EXPECT_TRUE(IsWindow(window));

    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_TRUE(seen.destroyed);
    EXPECT_FALSE(IsWindow(window));
}

TEST(Window, LayeredTopmostWindowKeepsTheAlphaItWasGiven)
{
    SeenMessages seen;
    HWND window = create_window(WS_EX_LAYERED | WS_EX_TOPMOST, seen);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(SetLayeredWindowAttributes(window, 0, 200, LWA_ALPHA));
    ShowWindow(window, SW_SHOWNORMAL);
    pump_messages();

    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_TRUE(IsWindowVisible(window));

    EXPECT_TRUE(DestroyWindow(window));
}

}  // namespace
