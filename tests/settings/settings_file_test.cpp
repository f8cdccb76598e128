// The dialog's values through a real system.ini on a code-page-936 system.
#include <gtest/gtest.h>

#include "settings/dialog_settings.h"
#include "settings/errors.h"
#include "tests/settings/fake_controls.h"
#include "tests/settings/real_files.h"

namespace {

using namespace std::string_literals;
using settings::load_settings;
using settings::save_settings;
using settings_test::FakeControls;
using settings_test::read_bytes;
using settings_test::store_for;
using settings_test::TemporaryDirectory;
using settings_test::write_bytes;
using dialog::CheckBox;
using dialog::Edit;
using dialog::FontCombo;
using dialog::SizeCombo;

// What closing writes from the built-in values, in code page 936: the first
// page's sections, as before there was a second page, then the second
// page's and the active page.
const std::string first_page_file =
    "[wb]\r\nduanqian=1\r\ntshr=1\r\nwbkh=1\r\nzhyh=1\r\n\r\n"
    "[ymsz]\r\nleft=2.5\r\nright=2.5\r\ntop=2.5\r\nbottom=2.5\r\n\r\n"
    "[bt]\r\nduanqianduanhou=0.5\r\nfontsize=\xd0\xa1\xb6\xfe(18)\r\nfontname=\xcb\xce\xcc\xe5\r\n\r\n"
    "[zw]\r\nline=25\r\nduanqianduanhou=0\r\nfontname=\xcb\xce\xcc\xe5\r\nfontsize=\xcb\xc4\xba\xc5(14)\r\n\r\n";
const std::string second_page_file =
    "[gwwb]\r\nluokuan=1\r\nyema=1\r\nkongxing=1\r\n"
    "fwjg=\xb4\xcb\xb4\xa6\xd0\xb4\xb7\xa2\xce\xc4\xbb\xfa\xb9\xd8\r\n\r\n"
    "[gwjb]\r\nsanjijiacu=1\r\nyiji=\xba\xda\xcc\xe5\r\nerji=\xbf\xac\xcc\xe5_GB2312\r\n\r\n"
    "[gwymsz]\r\ntop=3.7\r\nbottom=3.5\r\nleft=2.8\r\nright=2.6\r\n\r\n"
    "[gwbt]\r\nfontname=\xb7\xbd\xd5\xfd\xd0\xa1\xb1\xea\xcb\xce\xbc\xf2\xcc\xe5\r\nfontsize=\xb6\xfe\xba\xc5(22)\r\nbiaozhi=48\r\n\r\n"
    "[gwzw]\r\nfontname=\xb7\xc2\xcb\xce_GB2312\r\nfontsize=\xc8\xfd\xba\xc5(16)\r\nline=28.95\r\n"
    "xwfontname=Times New Roman\r\n\r\n";
const std::string page_file = "[page]\r\nactive=0\r\n\r\n";
const std::string default_file = first_page_file + second_page_file + page_file;

class SettingsFile : public testing::Test {
protected:
    TemporaryDirectory directory;
    std::string path = directory.file("system.ini");

    // A start of the program: a fresh store and fresh controls, loaded.
    FakeControls start()
    {
        settings::IniStore store = store_for(path);
        FakeControls controls;
        load_settings(store, controls);
        return controls;
    }

    // A start followed at once by a close.
    void start_and_close()
    {
        settings::IniStore store = store_for(path);
        FakeControls controls;
        load_settings(store, controls);
        save_settings(store, controls);
    }
};

TEST_F(SettingsFile, FirstStartWithoutAFileShowsTheDefaultsAndClosingCreatesTheWholeFile)
{
    settings::IniStore store = store_for(path);
    FakeControls controls;
    load_settings(store, controls);

    EXPECT_EQ(controls.values_set, static_cast<int>(dialog::kValues.size()));
    EXPECT_EQ(controls.edits.at(Edit::ymszLeft), "2.5");
    EXPECT_EQ(controls.edits.at(Edit::btDuanQianDuanHou), "0.5");
    EXPECT_EQ(controls.size_texts.at(SizeCombo::btFontSize), "小二(18)");
    EXPECT_EQ(controls.fonts.at(FontCombo::zwFontName), "宋体");
    EXPECT_TRUE(controls.boxes.at(CheckBox::wbkh));
    EXPECT_FALSE(std::filesystem::exists(path));

    save_settings(store, controls);
    EXPECT_EQ(read_bytes(path), default_file);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(SettingsFile, ValuesSetInTheDialogSurviveARestart)
{
    {
        settings::IniStore store = store_for(path);
        FakeControls controls;
        load_settings(store, controls);
        controls.edits.at(Edit::ymszLeft) = "3.17";
        controls.edits.at(Edit::zwLine) = "28";
        controls.size_texts.at(SizeCombo::zwFontSize) = "小四(12)";
        controls.set_font_name(FontCombo::btFontName, "黑体");
        controls.boxes.at(CheckBox::tshr) = false;
        controls.boxes.at(CheckBox::DuanQian) = false;
        save_settings(store, controls);
    }

    const FakeControls restarted = start();
    EXPECT_EQ(restarted.edits.at(Edit::ymszLeft), "3.17");
    EXPECT_EQ(restarted.edits.at(Edit::zwLine), "28");
    EXPECT_EQ(restarted.size_texts.at(SizeCombo::zwFontSize), "小四(12)");
    EXPECT_EQ(restarted.fonts.at(FontCombo::btFontName), "黑体");
    EXPECT_FALSE(restarted.boxes.at(CheckBox::tshr));
    EXPECT_FALSE(restarted.boxes.at(CheckBox::DuanQian));
    EXPECT_TRUE(restarted.boxes.at(CheckBox::wbkh));
}

// A file written before there was a second page keeps its bytes; the second
// page's sections and the active page follow them. Both survive a restart.
TEST_F(SettingsFile, TheSecondPagesValuesAndTheActivePageFollowTheFirstPagesUnchangedBytes)
{
    write_bytes(path, first_page_file);
    {
        settings::IniStore store = store_for(path);
        FakeControls controls;
        load_settings(store, controls);
        EXPECT_EQ(controls.page, dialog::Page::TabSheet1);
        EXPECT_EQ(controls.fonts.at(FontCombo::gwBtFontName), "方正小标宋简体");
        controls.edits.at(Edit::gwFwjg) = "某某市人民政府";
        controls.edits.at(Edit::gwZwLine) = "29";
        controls.size_texts.at(SizeCombo::gwBtFontSize) = "小一(24)";
        controls.set_font_name(FontCombo::gwYjFontName, "宋体");
        controls.boxes.at(CheckBox::gwYm) = false;
        controls.page = dialog::Page::TabSheet2;
        save_settings(store, controls);
    }
    const std::string bytes = read_bytes(path);
    EXPECT_TRUE(bytes.starts_with(first_page_file + "[gwwb]\r\nluokuan=1\r\nyema=0\r\n")) << bytes;
    EXPECT_TRUE(bytes.ends_with("[page]\r\nactive=1\r\n\r\n")) << bytes;

    const FakeControls restarted = start();
    EXPECT_EQ(restarted.page, dialog::Page::TabSheet2);
    EXPECT_EQ(restarted.edits.at(Edit::gwFwjg), "某某市人民政府");
    EXPECT_EQ(restarted.edits.at(Edit::gwZwLine), "29");
    EXPECT_EQ(restarted.size_texts.at(SizeCombo::gwBtFontSize), "小一(24)");
    EXPECT_EQ(restarted.fonts.at(FontCombo::gwYjFontName), "宋体");
    EXPECT_FALSE(restarted.boxes.at(CheckBox::gwYm));
    EXPECT_TRUE(restarted.boxes.at(CheckBox::gwKh));

    for (const char* index : {"2", "-1", "x", ""}) {
        write_bytes(path, "[page]\r\nactive="s + index + "\r\n");
        EXPECT_EQ(start().page, dialog::Page::TabSheet1) << index;
    }
}

TEST_F(SettingsFile, CapitalsAndBlanksAroundEqualsStillSetTheLeftMarginAndAreWrittenBackInTheDialogsSpelling)
{
    write_bytes(path, "[YMSZ]\r\n  LEFT  =  3.1  \r\n");
    settings::IniStore store = store_for(path);
    FakeControls controls;
    load_settings(store, controls);
    EXPECT_EQ(controls.edits.at(Edit::ymszLeft), "3.1");

    save_settings(store, controls);
    EXPECT_EQ(read_bytes(path),
              "[YMSZ]\r\nleft=3.1\r\nright=2.5\r\ntop=2.5\r\nbottom=2.5\r\n\r\n"
              "[wb]\r\nduanqian=1\r\ntshr=1\r\nwbkh=1\r\nzhyh=1\r\n\r\n"
              "[bt]\r\nduanqianduanhou=0.5\r\nfontsize=\xd0\xa1\xb6\xfe(18)\r\nfontname=\xcb\xce\xcc\xe5\r\n\r\n"
              "[zw]\r\nline=25\r\nduanqianduanhou=0\r\nfontname=\xcb\xce\xcc\xe5\r\nfontsize=\xcb\xc4\xba\xc5(14)\r\n\r\n" +
                  second_page_file + page_file);
}

TEST_F(SettingsFile, CommentsBlankLinesAndLinesBeforeTheFirstSectionDisappearWhileForeignContentStays)
{
    write_bytes(path,
                "written by hand\r\nleft=9\r\n\r\n"
                "[mine]\r\n; keep this?\r\ncolour = blue\r\nloose words\r\n\r\n"
                "[zw]\r\n\r\nline=30\r\nextra=1\r\n");
    start_and_close();
    EXPECT_EQ(read_bytes(path),
              "[mine]\r\ncolour=blue\r\nloose words\r\n\r\n"
              "[zw]\r\nline=30\r\nextra=1\r\nduanqianduanhou=0\r\nfontname=\xcb\xce\xcc\xe5\r\n"
              "fontsize=\xcb\xc4\xba\xc5(14)\r\n\r\n"
              "[wb]\r\nduanqian=1\r\ntshr=1\r\nwbkh=1\r\nzhyh=1\r\n\r\n"
              "[ymsz]\r\nleft=2.5\r\nright=2.5\r\ntop=2.5\r\nbottom=2.5\r\n\r\n"
              "[bt]\r\nduanqianduanhou=0.5\r\nfontsize=\xd0\xa1\xb6\xfe(18)\r\nfontname=\xcb\xce\xcc\xe5\r\n\r\n" +
                  second_page_file + page_file);
}

TEST_F(SettingsFile, FlagsTwoMinusOneAndHexadecimalLoadCheckedAndZeroUnchecked)
{
    write_bytes(path, "[wb]\r\nduanqian=2\r\ntshr=-1\r\nwbkh=0x10\r\nzhyh=0\r\n");
    const FakeControls controls = start();
    EXPECT_TRUE(controls.boxes.at(CheckBox::DuanQian));
    EXPECT_TRUE(controls.boxes.at(CheckBox::tshr));
    EXPECT_TRUE(controls.boxes.at(CheckBox::wbkh));
    EXPECT_FALSE(controls.boxes.at(CheckBox::zhyh));
}

TEST_F(SettingsFile, FlagsThatAreNoIntegerOrEmptyLoadChecked)
{
    write_bytes(path, "[wb]\r\nduanqian=yes\r\ntshr=\r\nwbkh=0\r\nzhyh=no\r\n");
    start_and_close();
    EXPECT_TRUE(read_bytes(path).starts_with("[wb]\r\nduanqian=1\r\ntshr=1\r\nwbkh=0\r\nzhyh=1\r\n\r\n"));
}

TEST_F(SettingsFile, AMarginThatIsNoNumberIsShownAndSavedBackAsItIs)
{
    write_bytes(path, "[ymsz]\r\nleft=abc\r\n");
    settings::IniStore store = store_for(path);
    FakeControls controls;
    load_settings(store, controls);
    EXPECT_EQ(controls.edits.at(Edit::ymszLeft), "abc");

    save_settings(store, controls);
    EXPECT_TRUE(read_bytes(path).starts_with("[ymsz]\r\nleft=abc\r\nright=2.5\r\n"));
}

TEST_F(SettingsFile, ASizeThatIsNoEntryIsShownAsItIs)
{
    write_bytes(path, "[zw]\r\nfontsize=15\r\n[bt]\r\nfontsize=\xd0\xa1\xb6\xfe\r\n");
    const FakeControls controls = start();
    EXPECT_EQ(controls.size_texts.at(SizeCombo::zwFontSize), "15");
    EXPECT_EQ(controls.size_texts.at(SizeCombo::btFontSize), "小二");
}

TEST_F(SettingsFile, AFileCutByANulIsReadUpToIt)
{
    write_bytes(path, "[ymsz]\r\nleft=3\r\n\0[zw]\r\nline=30\r\n"s);
    const FakeControls controls = start();
    EXPECT_EQ(controls.edits.at(Edit::ymszLeft), "3");
    EXPECT_EQ(controls.edits.at(Edit::zwLine), "25");
}

TEST_F(SettingsFile, AFontThatIsNotInstalledIsSavedEmptyAndReadBackEmpty)
{
    write_bytes(path, "[bt]\r\nfontname=Missing Font\r\n");
    {
        settings::IniStore store = store_for(path);
        FakeControls controls;
        load_settings(store, controls);
        EXPECT_EQ(controls.fonts.at(FontCombo::btFontName), "");
        save_settings(store, controls);
    }
    EXPECT_NE(read_bytes(path).find("[bt]\r\nfontname=\r\nduanqianduanhou=0.5\r\n"), std::string::npos);

    const FakeControls restarted = start();
    EXPECT_EQ(restarted.fonts.at(FontCombo::btFontName), "");
    EXPECT_EQ(restarted.fonts.at(FontCombo::zwFontName), "宋体");
}

TEST_F(SettingsFile, AFontNameInOtherCaseSelectsTheInstalledFont)
{
    write_bytes(path, "[zw]\r\nfontname=ARIAL\r\n");
    const FakeControls controls = start();
    EXPECT_EQ(controls.fonts.at(FontCombo::zwFontName), "Arial");
}

TEST_F(SettingsFile, AUtf8FileWithAByteOrderMarkKeepsItsFirstSectionAndIsRewrittenInCodePage936)
{
    write_bytes(path, "\xEF\xBB\xBF[ymsz]\r\nleft=3\r\n[bt]\r\nfontname=\xe9\xbb\x91\xe4\xbd\x93\r\n");
    settings::IniStore store = store_for(path);
    FakeControls controls;
    load_settings(store, controls);
    EXPECT_EQ(controls.edits.at(Edit::ymszLeft), "3");
    EXPECT_EQ(controls.fonts.at(FontCombo::btFontName), "黑体");

    save_settings(store, controls);
    const std::string bytes = read_bytes(path);
    EXPECT_TRUE(bytes.starts_with("[ymsz]\r\nleft=3\r\nright=2.5\r\n"));
    EXPECT_NE(bytes.find("[bt]\r\nfontname=\xba\xda\xcc\xe5\r\n"), std::string::npos);
}

TEST_F(SettingsFile, AValueOutsideCodePage936IsKeptByWritingUtf8WithAByteOrderMark)
{
    {
        settings::IniStore store = store_for(path);
        FakeControls controls;
        controls.installed_fonts.push_back("맑은 고딕");
        load_settings(store, controls);
        controls.set_font_name(FontCombo::zwFontName, "맑은 고딕");
        save_settings(store, controls);
    }
    const std::string bytes = read_bytes(path);
    EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF[wb]\r\n"));
    EXPECT_NE(bytes.find("fontname=\xe5\xae\x8b\xe4\xbd\x93\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("fontname=\xeb\xa7\x91\xec\x9d\x80 \xea\xb3\xa0\xeb\x94\x95\r\n"), std::string::npos);

    settings::IniStore store = store_for(path);
    FakeControls restarted;
    restarted.installed_fonts.push_back("맑은 고딕");
    load_settings(store, restarted);
    EXPECT_EQ(restarted.fonts.at(FontCombo::zwFontName), "맑은 고딕");
    EXPECT_EQ(restarted.size_texts.at(SizeCombo::zwFontSize), "四号(14)");
}

TEST_F(SettingsFile, ContentAddedByAnotherProgramWhileTheDialogIsOpenIsOverwrittenAtClose)
{
    write_bytes(path, "[ymsz]\r\nleft=3\r\n");
    settings::IniStore store = store_for(path);
    FakeControls controls;
    load_settings(store, controls);
    write_bytes(path, "[other]\r\nkey=1\r\n");

    save_settings(store, controls);
    const std::string bytes = read_bytes(path);
    EXPECT_TRUE(bytes.starts_with("[ymsz]\r\nleft=3\r\n"));
    EXPECT_EQ(bytes.find("[other]"), std::string::npos);
}

}  // namespace
