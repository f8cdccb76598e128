// An exception that escapes a handler ends up in the error box: the text
// rule, the application title, the stop icon, and the whole program modal.
#include <stdexcept>

#include "app/win/application.h"
#include "app/win/error_box.h"
#include "platform/win/text.h"
#include "platform/win/window_text.h"
#include "tests/windows/dialog/dialog_fixture.h"

namespace dialog_tests {
namespace {

using app::win::to_utf8;

class ErrorBox : public DialogTest {
protected:
    // Attaching to Word fails with the message; the click's exception passes
    // out of RzButton2Click to the point where the click was dispatched.
    void click_failing_with(const std::string& message)
    {
        form = make_form([message]() -> std::unique_ptr<word::Application> { throw std::runtime_error(message); });
        show(*form);
        SendMessageW(form->RzButton2.handle(), BM_CLICK, 0, 0);
    }
    std::string shown_text()
    {
        EXPECT_EQ(boxes.size(), 1u);
        return boxes.empty() ? "<no box>" : to_utf8(boxes.front().request.text);
    }
    std::unique_ptr<app::win::TForm1> form;
};

TEST_F(ErrorBox, AMessageWithoutFinalPunctuationGetsAFullStop)
{
    click_failing_with("Word could not be started");
    EXPECT_EQ(shown_text(), "Word could not be started.");
}

TEST_F(ErrorBox, AMessageEndingInAFullStopIsShownUnchanged)
{
    click_failing_with("Call was rejected by callee.");
    EXPECT_EQ(shown_text(), "Call was rejected by callee.");
}

TEST_F(ErrorBox, AMessageEndingInAnExclamationMarkIsShownUnchanged)
{
    click_failing_with("Stop!");
    EXPECT_EQ(shown_text(), "Stop!");
}

TEST_F(ErrorBox, AMessageEndingInAChineseFullStopGetsTheFullStopAsWell)
{
    click_failing_with("文档已关闭。");
    EXPECT_EQ(shown_text(), "文档已关闭。.");
}

TEST_F(ErrorBox, AnEmptyMessageGivesAnEmptyBox)
{
    click_failing_with("");
    EXPECT_EQ(shown_text(), "");
}

TEST_F(ErrorBox, TheBoxHasTheApplicationTitleTheStopIconAndOneOkButton)
{
    click_failing_with("'abc' is not a valid floating point value");
    ASSERT_EQ(boxes.size(), 1u);
    const auto& request = boxes.front().request;
    EXPECT_EQ(request.caption, application().title());
    EXPECT_EQ(to_utf8(request.caption), "dialog_tests");
    EXPECT_EQ(request.style & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(request.style & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_EQ(request.owner, application().owner_window());
}

TEST_F(ErrorBox, TheDialogIsDisabledWhileTheBoxIsUpAndEnabledAfter)
{
    click_failing_with("Word is busy");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes.front().dialog_enabled_meanwhile);
    EXPECT_TRUE(IsWindowEnabled(form->handle()));
}

TEST_F(ErrorBox, TheMouseCaptureIsReleasedBeforeTheBoxIsShown)
{
    form = make_form([this]() -> std::unique_ptr<word::Application> {
        SetCapture(form->RzTrackBar1.handle());
        throw std::runtime_error("Word is busy");
    });
    show(*form);
    SendMessageW(form->RzButton2.handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.front().capture_meanwhile, nullptr);
}

TEST_F(ErrorBox, TheProgramGoesOnAfterTheBoxWithTheButtonUsableAgain)
{
    click_failing_with("Word is busy");
    EXPECT_TRUE(IsWindow(form->handle()));
    EXPECT_TRUE(IsWindowEnabled(form->RzButton2.handle()));
    SendMessageW(form->RzButton2.handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(ErrorBox, TheFocusReturnsToWhereItWas)
{
    form = make_form([]() -> std::unique_ptr<word::Application> { throw std::runtime_error("Word is busy"); });
    show(*form);
    SetForegroundWindow(form->handle());
    SetFocus(form->zwLine.handle());
    if (GetFocus() != form->zwLine.handle()) GTEST_SKIP() << "the window could not take the focus here";
    app::win::show_error_box("Word is busy");
    EXPECT_EQ(GetFocus(), form->zwLine.handle());
}

TEST(ApplicationTitle, IsTheFileNameCutAtTheFirstDotInLowerCaseAfterTheFirstLetter)
{
    EXPECT_EQ(app::win::application_title_of(L"C:\\Users\\li\\Downloads\\MyTool.Setup.exe"), L"Mytool");
}

TEST(ApplicationTitle, OfThisTestProgramIsItsNameWithTheFirstLetterUnchanged)
{
    EXPECT_EQ(to_utf8(application().title()), "dialog_tests");
    EXPECT_EQ(to_utf8(app::win::window_text(application().owner_window())), "dialog_tests");
}

}  // namespace
}  // namespace dialog_tests
