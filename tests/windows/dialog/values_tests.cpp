// What the controls hand the run and the settings file.
#include <windows.h>

#include <commctrl.h>
#include <imm.h>

#include "platform/win/text.h"
#include "platform/win/window_text.h"
#include "tests/windows/dialog/dialog_fixture.h"

namespace dialog_tests {
namespace {

using typeset::FontCombo;
using typeset::SizeCombo;

class SizeValue : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        form = make_form();
    }
    std::string value_of(const std::string& text)
    {
        form->set_size_text(SizeCombo::zwFontSize, text);
        return form->size_value(SizeCombo::zwFontSize);
    }
    std::unique_ptr<app::win::TForm1> form;
};

TEST_F(SizeValue, AnEntryNameGivesItsPoints)
{
    EXPECT_EQ(value_of("四号(14)"), "14");
    EXPECT_EQ(value_of("五号(10.5)"), "10.5");
}

TEST_F(SizeValue, ATypedNumberIsTheValueItself) { EXPECT_EQ(value_of("10.5"), "10.5"); }

TEST_F(SizeValue, AnEmptyTextGivesAnEmptyValue) { EXPECT_EQ(value_of(""), ""); }

TEST_F(SizeValue, AnEntryFollowedByABlankIsTakenAsTyped) { EXPECT_EQ(value_of("四号(14) "), "四号(14) "); }

TEST_F(SizeValue, FullWidthParenthesesAreTakenAsTyped) { EXPECT_EQ(value_of("四号（14）"), "四号（14）"); }

TEST_F(SizeValue, ANameWithoutItsSizeIsTakenAsTyped) { EXPECT_EQ(value_of("小二"), "小二"); }

TEST_F(SizeValue, OnlyTheTextCountsNotTheListSelection)
{
    ASSERT_EQ(form->zwFontSize.selected_index(), 8);  // "四号(14)"
    EXPECT_EQ(value_of("三号(16)"), "16");
}

TEST_F(SizeValue, SettingATextShowsItUnchanged)
{
    form->set_size_text(SizeCombo::btFontSize, "15");
    EXPECT_EQ(form->size_text(SizeCombo::btFontSize), "15");
    EXPECT_EQ(form->size_value(SizeCombo::btFontSize), "15");
}

TEST_F(SizeValue, PickingAnEntryFromTheListGivesItsPoints)
{
    form->btFontSize.select(12);
    EXPECT_EQ(form->size_text(SizeCombo::btFontSize), "六号(7.5)");
    EXPECT_EQ(form->size_value(SizeCombo::btFontSize), "7.5");
}

class FontName : public SizeValue {};

TEST_F(FontName, BothCombosStartOnSongTi)
{
    EXPECT_EQ(form->font_name(FontCombo::zwFontName), "宋体");
    EXPECT_EQ(form->font_name(FontCombo::btFontName), "宋体");
}

TEST_F(FontName, ANameInOtherLetterCaseSelectsTheInstalledFamily)
{
    form->set_font_name(FontCombo::zwFontName, "dejavu SANS");
    EXPECT_EQ(form->font_name(FontCombo::zwFontName), "DejaVu Sans");
}

TEST_F(FontName, AnUnknownNameLeavesNoSelectionAndReadsEmpty)
{
    form->set_font_name(FontCombo::btFontName, "No Such Font 123");
    EXPECT_EQ(form->btFontName.selected_index(), -1);
    EXPECT_EQ(form->font_name(FontCombo::btFontName), "");
    EXPECT_EQ(app::win::window_text(form->btFontName.handle()), L"");
}

TEST_F(FontName, TheListIsSortedIgnoringLetterCase)
{
    const int count = form->zwFontName.entry_count();
    ASSERT_GT(count, 2);
    for (int i = 1; i < count; ++i) {
        const std::wstring before = form->zwFontName.entry_text(i - 1);
        const std::wstring after = form->zwFontName.entry_text(i);
        SCOPED_TRACE(app::win::to_utf8(before) + " / " + app::win::to_utf8(after));
        EXPECT_NE(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, before.c_str(), -1, after.c_str(), -1),
                  CSTR_GREATER_THAN);
    }
}

class CheckBoxes : public SizeValue {};

TEST_F(CheckBoxes, AClickTogglesAndTheSetterSetsBothStates)
{
    SendMessageW(form->wbkh.handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(form->checked(typeset::CheckBox::wbkh));
    SendMessageW(form->wbkh.handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form->checked(typeset::CheckBox::wbkh));
    form->set_checked(typeset::CheckBox::zhyh, false);
    EXPECT_FALSE(form->checked(typeset::CheckBox::zhyh));
}

TEST_F(CheckBoxes, EditTextsAreKeptExactlyAsSet)
{
    form->set_edit_text(typeset::Edit::ymszTop, " 3,5 ");
    EXPECT_EQ(form->edit_text(typeset::Edit::ymszTop), " 3,5 ");
}

class Opacity : public SizeValue {};

TEST_F(Opacity, TheSliderAtItsLeftEndGivesAlpha100)
{
    SendMessageW(form->RzTrackBar1.handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(form->RzTrackBar1.position(), 100);
    EXPECT_EQ(form->alpha(), 100);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(form->handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 100);
}

TEST_F(Opacity, EveryStepOfTheSliderSetsTheAlpha)
{
    SendMessageW(form->RzTrackBar1.handle(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(form->alpha(), 254);
    SendMessageW(form->RzTrackBar1.handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(form->alpha(), 255);
}

TEST_F(Opacity, ANewDialogIsOpaqueWhateverTheLastOneShowed)
{
    SendMessageW(form->RzTrackBar1.handle(), WM_KEYDOWN, VK_HOME, 0);
    form.reset();
    form = make_form();
    EXPECT_EQ(form->alpha(), 255);
    EXPECT_EQ(form->RzTrackBar1.position(), 255);
}

class InputMethod : public SizeValue {};

TEST_F(InputMethod, AnEditClosesItWhileFocusedAndAComboLeavesItAlone)
{
    show(*form);
    SetForegroundWindow(form->handle());
    SetFocus(form->zwFontSize.handle());
    HIMC context = ImmGetContext(form->handle());
    if (!context || !ImmSetOpenStatus(context, TRUE) || !ImmGetOpenStatus(context)) {
        if (context) ImmReleaseContext(form->handle(), context);
        GTEST_SKIP() << "no input method context to switch here";
    }
    SetFocus(form->ymszLeft.handle());
    EXPECT_FALSE(ImmGetOpenStatus(context));
    SetFocus(form->zwFontSize.handle());
    EXPECT_TRUE(ImmGetOpenStatus(context));
    ImmReleaseContext(form->handle(), context);
}

}  // namespace
}  // namespace dialog_tests
