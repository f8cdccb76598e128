// A whole typesetting run through COM, against the stand-in Word server,
// compared with the same run on the in-memory stand-in.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "tests/standin/dump.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/standin/text_load.h"
#include "tests/support/fake_dialog.h"
#include "tests/windows/com/standin_word.h"
#include "typeset/official_run.h"
#include "typeset/run.h"
#include "word/com/com_word.h"
#include "word/errors.h"

using com_tests::StandinWord;
using com_tests::write_document;

namespace {

const std::string kReport =
    "关于2026年度工作情况的报告\n"
    "各科室：\n"
    "今年以来，在各方的共同努力下，各项工作稳步推进。\n"
    "一、主要工作\n"
    "全年完成既定任务，重点项目按期交付。\n"
    "\n"
    "\n";

void typeset(word::WordServers& servers, testing_support::FakeDialog& dialog)
{
    testing_support::FakePlatform platform;
    typeset::typeset_active_document(dialog, servers, platform);
}

class ComRun : public testing::Test {
protected:
    void SetUp() override
    {
        while (StandinWord::is_running()) StandinWord::running().quit();
        StandinWord::register_server({});
        document_ = write_document("report.txt", kReport);
        standin_.emplace(StandinWord::start({"--document", document_}));

        in_memory_->open(standin::load_text(kReport));
        testing_support::FakeDialog dialog;
        word::WordServers servers{[this] { return standin::connect(in_memory_); }};
        typeset(servers, dialog);
    }
    void TearDown() override { standin_.reset(); }

    // One run through COM on a freshly opened report; the servers are
    // released before it returns.
    testing_support::FakeDialog run_through_com()
    {
        standin_->open_text(document_);
        testing_support::FakeDialog dialog;
        word::WordServers servers{word::com::attach_to_word};
        typeset(servers, dialog);
        return dialog;
    }

    std::string document_;
    std::optional<StandinWord> standin_;
    std::shared_ptr<standin::WordModel> in_memory_ = std::make_shared<standin::WordModel>();
};

TEST_F(ComRun, LeavesTheDocumentAsTheInMemoryRunDoes)
{
    const auto dialog = run_through_com();
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0].text, "自动排版完成。用时：2.531秒");
    EXPECT_EQ(standin_->state_json(), standin::to_json(*in_memory_));
}

TEST_F(ComRun, CostsOneRoundTripPerMemberCallAfterTheFirstRun)
{
    run_through_com();
    standin_->reset_counts();
    run_through_com();
    EXPECT_EQ(standin_->name_lookups(), 0);
    EXPECT_EQ(standin_->round_trips(), static_cast<std::int32_t>(in_memory_->call_count()));
    for (const auto& member : in_memory_->calls)
        EXPECT_EQ(standin_->calls_of(member), static_cast<std::int32_t>(in_memory_->count(member))) << member;
}

TEST_F(ComRun, LeavesNoReferenceBehind)
{
    run_through_com();
    EXPECT_EQ(standin_->references(), 0);
    EXPECT_EQ(standin_->objects_alive(), 0);
}

TEST_F(ComRun, WithoutADocumentAsksForOne)
{
    standin_->close_documents();
    testing_support::FakeDialog dialog;
    {
        word::WordServers servers{word::com::attach_to_word};
        typeset(servers, dialog);
    }
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0].text, "请先打开待排版的文档。");
    EXPECT_EQ(standin_->references(), 0);
}

TEST_F(ComRun, AFailureAtAnyCallLeavesNoReferenceBehind)
{
    const auto calls = static_cast<std::int32_t>(in_memory_->call_count());
    const auto& names = in_memory_->calls;
    ASSERT_GT(calls, 50);
    for (std::int32_t k = 1; k <= calls; ++k) {
        const auto at = static_cast<std::size_t>(k - 1);
        standin_->open_text(document_);
        standin_->fail_call(k, "Injected failure. ", static_cast<HRESULT>(0x800A1745));
        testing_support::FakeDialog dialog;
        try {
            word::WordServers servers{word::com::attach_to_word};
            typeset(servers, dialog);
            // A run that can do without the call says what it left out.
            ASSERT_FALSE(dialog.messages.empty()) << "at call " << k;
            EXPECT_NE(dialog.messages.back().text.find("\nWord 不支持："), std::string::npos)
                << "the run went through a failure at call " << k;
        } catch (const word::EOleException& error) {
            EXPECT_STREQ(error.what(), "Injected failure") << "at call " << k;
        }
        EXPECT_TRUE(dialog.button_enabled) << "at call " << k;
        ASSERT_EQ(standin_->references(), 0) << "after a failure at call " << k;
        ASSERT_EQ(standin_->objects_alive(), 0) << "after a failure at call " << k;
        EXPECT_TRUE(standin_->screen_updating()) << "after a failure at call " << k << ", " << names[at];
        EXPECT_FALSE(standin_->undo_record_open()) << "after a failure at call " << k << ", " << names[at];
    }
}

// The official-document run over COM: the sample official document, with
// two headings that Word numbers as list items added before its trailing
// blanks, and the full sample, whose header, attachment and imprint take
// borders, tab stops, page breaks and the page's layout: the run's every
// new member reached through the server.
std::string official_sample(const char* name)
{
    std::ifstream file(std::string(TIDYSET_SAMPLES_DIR "/") + name, std::ios::binary);
    std::stringstream read;
    read << file.rdbuf();
    return read.str();
}

// The stand-in's state after the run over COM.
std::string expect_official_run_over_com(const std::string& text,
                                         const std::vector<std::pair<const char*, int>>& calls)
{
    auto in_memory = std::make_shared<standin::WordModel>();
    in_memory->open(standin::load_listed_text(text));
    testing_support::FakeDialog expected_dialog;
    testing_support::FakePlatform platform;
    {
        word::WordServers servers{[&] { return standin::connect(in_memory); }};
        typeset::typeset_official_document(expected_dialog, servers, platform);
    }

    while (StandinWord::is_running()) StandinWord::running().quit();
    StandinWord::register_server({});
    const std::string document = write_document("official.txt", text);
    auto standin = StandinWord::start({"--document", document});
    standin.open_listed_text(document);
    testing_support::FakeDialog dialog;
    {
        word::WordServers servers{word::com::attach_to_word};
        typeset::typeset_official_document(dialog, servers, platform);
    }
    EXPECT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages.at(0).text, expected_dialog.messages.at(0).text);
    const std::string state = standin.state_json();
    EXPECT_EQ(state, standin::to_json(*in_memory));
    for (const auto& [member, count] : calls) EXPECT_EQ(standin.calls_of(member), count) << member;
    EXPECT_EQ(standin.references(), 0);
    EXPECT_EQ(standin.objects_alive(), 0);
    return state;
}

TEST(ComOfficialRun, LeavesTheDocumentAsTheInMemoryRunDoes)
{
    std::string text = official_sample("official.txt");
    ASSERT_FALSE(text.empty());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    text += "\n[[三、]]做好应急准备\n[[（一）]]加强值守。节日期间全天候值班。\n\n\n";
    const std::string state = expect_official_run_over_com(text, {{"Fields.Add", 2}});
    EXPECT_NE(state.find(R"("list_string":"三、")"), std::string::npos);
}

TEST(ComOfficialRun, LaysTheFullSampleOutAsTheInMemoryRunDoes)
{
    const std::string text = official_sample("official-full.txt");
    ASSERT_FALSE(text.empty());
    expect_official_run_over_com(text, {{"Border.Color", 1}, {"Borders.DistanceFromBottom", 1},
                                        {"TabStops.Add", 1}, {"ParagraphFormat.PageBreakBefore", 1},
                                        {"Range.Information", 2}});
}

}  // namespace
