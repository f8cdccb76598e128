// Pressing "自动排版" on a real dialog, with the stand-in Word holding the
// sample report.
#include <fstream>
#include <sstream>

#include "platform/win/text.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/standin/text_load.h"
#include "tests/windows/dialog/dialog_fixture.h"

namespace dialog_tests {
namespace {

using app::win::to_utf8;

constexpr const char* kReport =
    "关于办公用品采购工作情况的报告\n"
    "局领导：\n"
    "根据年初工作安排，办公室组织开展了办公用品集中采购工作。\n"
    "一、基本情况。本年度共组织集中采购四次。\n"
    "特此报告。\n"
    "\n"
    "\n";

class TypesetButton : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        model = std::make_shared<standin::WordModel>();
        form = make_form([this] { return standin::connect(model); });
        show(*form);
    }
    void click() { SendMessageW(form->RzButton2.handle(), BM_CLICK, 0, 0); }

    std::shared_ptr<standin::WordModel> model;
    std::unique_ptr<app::win::TForm1> form;
};

TEST_F(TypesetButton, ARunOnTheReportEndsWithTheCompletionMessage)
{
    model->open(standin::load_text(kReport));
    click();
    ASSERT_EQ(boxes.size(), 1u);
    const std::string text = to_utf8(boxes.front().request.text);
    EXPECT_EQ(text.rfind("自动排版完成。用时：", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 3), "秒");
    EXPECT_EQ(to_utf8(boxes.front().request.caption), "提示");
    EXPECT_EQ(boxes.front().request.style & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(boxes.front().request.owner, application().owner_window());
    EXPECT_FALSE(boxes.front().dialog_enabled_meanwhile);
}

TEST_F(TypesetButton, TheDocumentIsLeftTypesetAndInTheUsersHands)
{
    model->open(standin::load_text(kReport));
    click();
    const auto& document = model->active();
    EXPECT_TRUE(document.user_control);
    EXPECT_NEAR(document.page_setup.top, 70.865f, 0.01f);    // 2.5 cm
    EXPECT_NEAR(document.page_setup.left, 70.865f, 0.01f);
    ASSERT_FALSE(document.paragraphs.empty());
    EXPECT_EQ(document.paragraphs.front().format.alignment, word::ParagraphAlignment::center);  // the title centred
    EXPECT_EQ(document.paragraphs.front().chars.front().font_name, "宋体");
    EXPECT_EQ(document.paragraphs.front().chars.front().size, 18.0f);
    EXPECT_EQ(document.paragraphs[2].chars.front().size, 14.0f);
    EXPECT_EQ(document.paragraphs[2].format.line_spacing, 25.0f);
    EXPECT_TRUE(IsWindowEnabled(form->RzButton2.handle()));
    EXPECT_EQ(form->RzProgressStatus1.percent(), 0);
}

TEST_F(TypesetButton, WithoutADocumentItAsksForOneWithTheErrorIcon)
{
    click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(to_utf8(boxes.front().request.text), "请先打开待排版的文档。");
    EXPECT_EQ(to_utf8(boxes.front().request.caption), "提示");
    EXPECT_EQ(boxes.front().request.style & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(IsWindowEnabled(form->RzButton2.handle()));
}

TEST_F(TypesetButton, AMarginThatIsNoNumberIsReportedInTheErrorBox)
{
    model->open(standin::load_text(kReport));
    form->set_edit_text(typeset::Edit::ymszTop, "abc");
    click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(to_utf8(boxes.front().request.text), "'abc' is not a valid floating point value.");
    EXPECT_EQ(boxes.front().request.style & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
}

}  // namespace
}  // namespace dialog_tests
