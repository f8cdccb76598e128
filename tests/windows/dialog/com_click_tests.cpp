// The typeset button of a real dialog, through COM, with the stand-in Word
// server holding the sample report: what a user does with tidyset.exe.
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/win/text.h"
#include "tests/standin/dump.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/standin/text_load.h"
#include "tests/windows/com/standin_word.h"
#include "tests/windows/dialog/dialog_fixture.h"
#include "word/com/com_word.h"

namespace dialog_tests {
namespace {

using app::win::to_utf8;
using com_tests::StandinWord;

std::string sample_report()
{
    std::string path = TIDYSET_SAMPLE_REPORT;
    if (path.starts_with("/")) path = "Z:" + path;
    std::ifstream file(std::filesystem::path{app::win::to_utf16(path)}, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class ClickThroughCom : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        while (StandinWord::is_running()) StandinWord::running().quit();
        report = sample_report();
        ASSERT_FALSE(report.empty());
        StandinWord::register_server({});
        standin.emplace(StandinWord::start({"--document", com_tests::write_document("report.txt", report)}));
    }
    void TearDown() override
    {
        standin.reset();
        DialogTest::TearDown();
    }

    // The same click on a dialog whose Word is the in-memory stand-in.
    std::string typeset_in_memory()
    {
        auto model = std::make_shared<standin::WordModel>();
        model->open(standin::load_text(report));
        auto form = make_form([model] { return standin::connect(model); });
        show(*form);
        SendMessageW(form->RzButton2.handle(), BM_CLICK, 0, 0);
        return standin::to_json(*model);
    }

    std::string report;
    std::optional<StandinWord> standin;
};

TEST_F(ClickThroughCom, TheSampleReportIsTypesetAndTheCompletionMessageShown)
{
    {
        auto form = make_form(word::com::attach_to_word);
        show(*form);
        SendMessageW(form->RzButton2.handle(), BM_CLICK, 0, 0);
        ASSERT_EQ(boxes.size(), 1u);
        const std::string text = to_utf8(boxes.front().request.text);
        EXPECT_EQ(text.rfind("自动排版完成。用时：", 0), 0u) << text;
        EXPECT_EQ(text.substr(text.size() - 3), "秒");
        EXPECT_EQ(boxes.front().request.style & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_TRUE(IsWindowEnabled(form->RzButton2.handle()));
    }
    const std::string through_com = standin->state_json();
    EXPECT_EQ(through_com, typeset_in_memory());
    EXPECT_NE(through_com.find("\"user_control\":true"), std::string::npos) << through_com;
}

TEST_F(ClickThroughCom, WithoutADocumentTheDialogAsksForOne)
{
    standin->close_documents();
    auto form = make_form(word::com::attach_to_word);
    show(*form);
    SendMessageW(form->RzButton2.handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(to_utf8(boxes.front().request.text), "请先打开待排版的文档。");
}

}  // namespace
}  // namespace dialog_tests
