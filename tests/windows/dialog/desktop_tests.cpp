// The dialog among the desktop's other windows: real message boxes above the
// topmost dialog, a close that waits for the run, and Win32 failures that
// reach the user as messages.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <stdexcept>

#include "app/win/controls/window.h"
#include "app/win/error_box.h"
#include "app/win/message_box.h"
#include "platform/win/callback_failure.h"
#include "platform/win/text.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/standin/text_load.h"
#include "tests/windows/dialog/dialog_fixture.h"

namespace dialog_tests {
namespace {

using app::win::to_utf8;

struct Stacking {
    std::vector<HWND> from_top;  // the thread's visible top-level windows
    HWND box = nullptr;
    bool form_topmost = false;
};
Stacking seen_stacking;
HWND seen_form = nullptr;

BOOL CALLBACK note_window(HWND window, LPARAM)
{
    DWORD process = 0;
    if (IsWindowVisible(window) && GetWindowThreadProcessId(window, &process) == GetCurrentThreadId()) {
        seen_stacking.from_top.push_back(window);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring_view{name} == L"#32770") seen_stacking.box = window;
    }
    return TRUE;
}

// Runs inside the box's own message loop: reads the z-order, then closes it.
void CALLBACK read_stacking_and_close_box(HWND, UINT, UINT_PTR timer, DWORD)
{
    seen_stacking = {};
    EnumWindows(note_window, 0);
    if (!seen_stacking.box) return;  // not up yet
    KillTimer(nullptr, timer);
    seen_stacking.form_topmost = (GetWindowLongPtrW(seen_form, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    PostMessageW(seen_stacking.box, WM_COMMAND, IDOK, 0);
}

class Desktop : public DialogTest {};

TEST_F(Desktop, ARealBoxStandsAboveTheTopmostDialogWhichIsTopmostAgainAfter)
{
    auto form = make_form();
    show(*form);
    seen_form = form->handle();
    app::win::set_message_box_presenter(nullptr);
    SetTimer(nullptr, 0, 50, read_stacking_and_close_box);
    app::win::show_error_box("Word is busy");

    ASSERT_NE(seen_stacking.box, nullptr) << "no box was seen";
    const auto& order = seen_stacking.from_top;
    const auto box_at = std::find(order.begin(), order.end(), seen_stacking.box);
    const auto form_at = std::find(order.begin(), order.end(), form->handle());
    ASSERT_NE(form_at, order.end());
    EXPECT_LT(box_at, form_at) << "the box opened behind the dialog";
    EXPECT_FALSE(seen_stacking.form_topmost) << "the dialog left the topmost band for the box";
    EXPECT_TRUE(GetWindowLongPtrW(form->handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) << "and is back in it after";
    EXPECT_TRUE(IsWindowEnabled(form->handle()));
}

TEST_F(Desktop, ACloseDuringARunWaitsForTheRunAndItsMessageThenSaves)
{
    auto model = std::make_shared<standin::WordModel>();
    model->open(standin::load_text("报告\n局领导：\n正文。\n"));
    std::unique_ptr<app::win::TForm1> form;
    form = make_form([&] {
        // The close arrives while the run holds the thread.
        SendMessageW(form->handle(), WM_CLOSE, 0, 0);
        return standin::connect(model);
    });
    show(*form);
    app::win::set_message_box_presenter([&](const app::win::MessageBoxRequest& request) {
        boxes.push_back({request, IsWindow(form->handle()) != FALSE, nullptr});
        return IDOK;
    });
    form->set_edit_text(typeset::Edit::zwLine, "27");
    SendMessageW(form->RzButton2.handle(), BM_CLICK, 0, 0);

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(to_utf8(boxes.front().request.text).rfind("自动排版完成。用时：", 0), 0u);
    EXPECT_TRUE(boxes.front().dialog_enabled_meanwhile) << "the dialog still existed under its message";
    EXPECT_TRUE(IsWindow(form->handle())) << "the close waits until the handler has returned";
    EXPECT_TRUE(model->active().user_control) << "the run ended normally";

    pump_messages();
    EXPECT_FALSE(IsWindow(form->handle()));
    std::ifstream file(std::filesystem::path{app::win::to_utf16(settings_path)}, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_NE(content.find("line=27"), std::string::npos) << content;
}

// ---- Win32 failures ------------------------------------------------------

class ControlOfAnUnknownClass : public app::win::SubclassedControl {
public:
    void create_in(HWND parent) { create(0, L"NoSuchTidysetClass", L"", WS_CHILD, RECT{0, 0, 10, 10}, parent, 1); }
};

BOOL CALLBACK throw_out_of_memory(HWND, LPARAM failure)
{
    return reinterpret_cast<platform::win::CallbackFailure*>(failure)->run([]() -> BOOL { throw std::bad_alloc(); });
}

TEST_F(Desktop, Win32FailuresBecomeMessagesWithTheSystemsReason)
{
    auto form = make_form();
    ControlOfAnUnknownClass control;
    try {
        control.create_in(form->handle());
        ADD_FAILURE() << "a control of an unknown class was created";
    } catch (const std::runtime_error& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("Cannot create window \"NoSuchTidysetClass\". ", 0), 0u) << message;
        EXPECT_GT(message.size(), std::string("Cannot create window \"NoSuchTidysetClass\". ").size() + 3) << message;
    }

    // An exception in an enumeration callback stops the enumeration and
    // passes on once Windows has returned.
    platform::win::CallbackFailure failure;
    EnumThreadWindows(GetCurrentThreadId(), throw_out_of_memory, reinterpret_cast<LPARAM>(&failure));
    EXPECT_TRUE(failure.failed());
    EXPECT_THROW(failure.rethrow(), std::bad_alloc);
}

}  // namespace
}  // namespace dialog_tests
