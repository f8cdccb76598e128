// The dialog and system.ini: loaded when the dialog is created, saved when
// it is closed, and a failing save keeps the dialog open.
#include <filesystem>
#include <fstream>

#include "platform/win/text.h"
#include "tests/windows/dialog/dialog_fixture.h"

namespace dialog_tests {
namespace {

class SettingsFile : public DialogTest {};

TEST_F(SettingsFile, SavedValuesReplaceTheBuiltInOnesAtCreation)
{
    {
        std::ofstream file(std::filesystem::path{app::win::to_utf16(settings_path)}, std::ios::binary);
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
    std::ifstream file(std::filesystem::path{app::win::to_utf16(settings_path)}, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_NE(content.find("28"), std::string::npos) << content;
    pump_messages();  // the WM_QUIT of the closed main window
}

TEST_F(SettingsFile, AFailingSaveTellsWhyAndAsksWhetherToCloseAnyway)
{
    settings_path = app::win::to_utf8(settings_folder) + "\\no such folder\\system.ini";
    auto form = make_form();
    answer = IDNO;
    SendMessageW(form->handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(form->handle())) << "否 keeps the window open";
    ASSERT_EQ(boxes.size(), 1u);
    const auto& request = boxes.front().request;
    EXPECT_EQ(request.style & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(request.style & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(request.style & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON2)) << "Enter keeps the window";
    const std::string text = app::win::to_utf8(request.text);
    EXPECT_EQ(text.rfind("Cannot create file \"" + settings_path + "\". ", 0), 0u) << text;
    EXPECT_NE(text.find("仍要关闭窗口吗？"), std::string::npos) << text;

    // Each further close tries again; "是" closes without the file.
    answer = IDYES;
    SendMessageW(form->handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(IsWindow(form->handle()));
    pump_messages();  // the WM_QUIT of the closed main window
}

}  // namespace
}  // namespace dialog_tests
