// The dialog and system.ini: loaded when the dialog is created, saved when
// it is closed, and a failing save keeps the dialog open.
#include <filesystem>
#include <fstream>

#include "app/win/wide_text.h"
#include "tests/windows/dialog/dialog_fixture.h"

namespace dialog_tests {
namespace {

class SettingsFile : public DialogTest {};

TEST_F(SettingsFile, SavedValuesReplaceTheBuiltInOnesAtCreation)
{
    {
        std::ofstream file(std::filesystem::path{app::win::widen(settings_path)}, std::ios::binary);
        file << "[ymsz]\r\nleft=3.1\r\n";
    }
    auto form = make_form();
    EXPECT_EQ(form->edit_text(typeset::Edit::ymszLeft), "3.1");
    EXPECT_EQ(form->edit_text(typeset::Edit::ymszRight), "2.5");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsFile, ClosingTheDialogWritesTheFileAndEndsIt)
{
    auto form = make_form();
    form->set_edit_text(typeset::Edit::zwLine, "28");
    SendMessageW(form->handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form->handle()));
    EXPECT_TRUE(boxes.empty());
    std::ifstream file(std::filesystem::path{app::win::widen(settings_path)}, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_NE(content.find("28"), std::string::npos) << content;
    pump_messages();  // the WM_QUIT of the closed main window
}

TEST_F(SettingsFile, AFailingSaveShowsTheErrorAndKeepsTheDialogOpen)
{
    settings_path = app::win::narrow(settings_folder) + "\\no such folder\\system.ini";
    auto form = make_form();
    SendMessageW(form->handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(form->handle()));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.front().request.style & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));

    // Each further close tries again.
    SendMessageW(form->handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(form->handle()));
    EXPECT_EQ(boxes.size(), 2u);
}

}  // namespace
}  // namespace dialog_tests
