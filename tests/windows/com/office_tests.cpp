// Office as users have it: a Word busy with a dialog, WPS Writer in Word's
// place, and a run that is one step in the undo list.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "tests/standin/dump.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/standin/text_load.h"
#include "tests/support/fake_dialog.h"
#include "tests/windows/com/standin_word.h"
#include "typeset/run.h"
#include "word/com/busy_word.h"
#include "word/com/com_word.h"
#include "word/com/session.h"
#include "word/errors.h"

using com_tests::Office;
using com_tests::StandinWord;
using com_tests::write_document;
using Clock = std::chrono::steady_clock;

namespace {

const std::string kReport =
    "关于2026年度工作情况的报告\n"
    "各科室：\n"
    "今年以来，在各方的共同努力下，各项工作稳步推进。\n"
    "全年完成既定任务，重点项目按期交付。\n"
    "\n";

const std::string kBusyText = "Word 正忙（可能有对话框未关闭），请在 Word 中完成当前操作后再试。\n";

double seconds_since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Tidyset's run through COM, on whatever Office attach_to_word finds.
testing_support::FakeDialog run_through_com()
{
    testing_support::FakeDialog dialog;
    testing_support::FakePlatform platform;
    word::WordServers servers{word::com::attach_to_word};
    typeset::typeset_active_document(dialog, servers, platform);
    return dialog;
}

// The same run on the in-memory stand-in: the document every run must leave.
std::string typeset_in_memory()
{
    auto model = std::make_shared<standin::WordModel>();
    model->open(standin::load_text(kReport));
    testing_support::FakeDialog dialog;
    testing_support::FakePlatform platform;
    word::WordServers servers{[&] { return standin::connect(model); }};
    typeset::typeset_active_document(dialog, servers, platform);
    return standin::to_json(*model);
}

// Word installed and running with the report open.
class RunningWord : public testing::Test {
protected:
    void SetUp() override
    {
        StandinWord::quit_all();
        StandinWord::unregister_server();
        StandinWord::register_server({});
        document_ = write_document("office.txt", kReport);
        word_.emplace(StandinWord::start({"--document", document_}));
    }
    void TearDown() override { word_.reset(); }

    std::string document_;
    std::optional<StandinWord> word_;
};

// No Office installed or running.
class NoOffice : public testing::Test {
protected:
    void SetUp() override
    {
        StandinWord::quit_all();
        StandinWord::unregister_server();
        document_ = write_document("wps.txt", kReport);
    }
    void TearDown() override
    {
        StandinWord::quit_all();
        StandinWord::unregister_server();
    }

    std::string document_;
};

}  // namespace

TEST_F(RunningWord, ABusyWordIsWaitedForAndTheRunCompletesAsUsual)
{
    word_->busy_for(2000);
    const auto start = Clock::now();
    const auto dialog = run_through_com();
    EXPECT_GE(seconds_since(start), 1.9);
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0].text, "自动排版完成。用时：2.531秒");
    EXPECT_GT(word_->rejections(), 0);
    EXPECT_EQ(word_->state_json(), typeset_in_memory());
}

TEST_F(RunningWord, EitherKindOfRejectionIsRetried)
{
    for (const HRESULT rejection : {RPC_E_CALL_REJECTED, RPC_E_SERVERCALL_RETRYLATER}) {
        word_->open_text(document_);
        word_->reset_counts();
        word_->busy_calls(3, rejection);
        const auto dialog = run_through_com();
        ASSERT_EQ(dialog.messages.size(), 1u);
        EXPECT_EQ(word_->rejections(), 3);
        EXPECT_EQ(word_->state_json(), typeset_in_memory());
    }
}

TEST_F(RunningWord, AWordBusyForLongerThanTheWindowEndsTheRunWithWhatToDo)
{
    word_->busy_for(3000);
    testing_support::FakeDialog dialog;
    testing_support::FakePlatform platform;
    const auto start = Clock::now();
    try {
        word::WordServers servers{[] { return word::com::attach_with_busy_window(std::chrono::milliseconds(1000)); }};
        typeset::typeset_active_document(dialog, servers, platform);
        ADD_FAILURE() << "the run went through a busy Word";
    } catch (const word::EOleException& error) {
        ADD_FAILURE() << "Word's exception instead of the system error: " << error.what();
    } catch (const word::EOleSysError& error) {
        EXPECT_EQ(std::string(error.what()).substr(0, kBusyText.size()), kBusyText);
        EXPECT_GT(std::string(error.what()).size(), kBusyText.size());  // the system's text follows
        EXPECT_EQ(static_cast<unsigned>(error.error_code()), 0x80010001u);
    }
    const double waited = seconds_since(start);
    EXPECT_GE(waited, 0.95);
    EXPECT_LT(waited, 2.0);
    EXPECT_TRUE(dialog.button_enabled);
    EXPECT_EQ(dialog.progress, 0);
    EXPECT_TRUE(dialog.messages.empty());

    // Once Word is free again, the next run goes through.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    EXPECT_EQ(run_through_com().messages.size(), 1u);
}

TEST_F(RunningWord, OneUndoAfterARunGivesBackTheDocument)
{
    const std::string before = word_->render();
    const auto dialog = run_through_com();
    ASSERT_EQ(dialog.messages.size(), 1u);
    ASSERT_NE(word_->render(), before);
    EXPECT_EQ(word_->undo_steps(), "自动排版\n");
    EXPECT_FALSE(word_->undo_record_open());
    EXPECT_TRUE(word_->screen_updating());

    EXPECT_TRUE(word_->undo());
    EXPECT_EQ(word_->render(), before);
    EXPECT_EQ(word_->undo_steps(), "");
}

TEST_F(NoOffice, WpsWriterAloneTypesetsTheDocument)
{
    StandinWord::register_wps_server("KWPS.Application", false, {"--document", document_});
    const auto dialog = run_through_com();
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0].text, "自动排版完成。用时：2.531秒");
    auto wps = StandinWord::running(Office::wps);
    EXPECT_EQ(wps.state_json(), typeset_in_memory());
    EXPECT_EQ(wps.undo_steps(), "自动排版\n");
    EXPECT_EQ(wps.references(), 0);
}

TEST_F(NoOffice, WpsIsStartedUnderItsOlderName)
{
    StandinWord::register_wps_server("WPS.Application", false, {"--document", document_});
    EXPECT_EQ(word::com::attach_to_word()->documents()->count(), 1);
    EXPECT_TRUE(StandinWord::is_running(Office::wps));
}

// The class is found by its name, and a running WPS is found by its class.
TEST_F(NoOffice, ARunningWpsRegisteredForTheUserAloneIsFound)
{
    StandinWord::register_wps_server("KWPS.Application", true, {});
    auto wps = StandinWord::start({"--document", document_}, Office::wps);
    EXPECT_EQ(word::com::attach_to_word()->documents()->count(), 1);
    EXPECT_EQ(wps.calls_of("Documents.Count"), 1);
}

TEST_F(NoOffice, ARunningWordWinsOverARunningWpsAndARunningWpsOverStartingWord)
{
    StandinWord::register_server({});
    StandinWord::register_wps_server("KWPS.Application", false, {});
    auto wps = StandinWord::start({"--document", document_}, Office::wps);
    {
        auto word = StandinWord::start({"--document", document_});
        word::com::attach_to_word()->set_visible(true);
        EXPECT_EQ(word.calls_of("Application.Visible"), 1);
        EXPECT_EQ(wps.calls_of("Application.Visible"), 0);
    }
    ASSERT_FALSE(StandinWord::is_running(Office::word));
    word::com::attach_to_word()->set_visible(true);
    EXPECT_EQ(wps.calls_of("Application.Visible"), 1);
    EXPECT_FALSE(StandinWord::is_running(Office::word));
}

// Windows calls the message filter while Word rejects a call; Wine never
// does, so it is asked here directly.
TEST(BusyWordFilter, RetriesWithinTheWindowAndCancelsAfterIt)
{
    word::com::BusyWordFilter filter;
    EXPECT_TRUE(filter.registered());
    auto session = std::make_shared<word::com::ComSession>(word::com::Server{}, std::chrono::milliseconds(300));
    filter.keep(session);
    EXPECT_EQ(filter.RetryRejectedCall(nullptr, 0, SERVERCALL_RETRYLATER), 100u);
    EXPECT_EQ(filter.RetryRejectedCall(nullptr, 100, SERVERCALL_REJECTED), 100u);
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
    EXPECT_EQ(filter.RetryRejectedCall(nullptr, 450, SERVERCALL_RETRYLATER), static_cast<DWORD>(-1));
    // The next call that Word answers opens a new window for the one after.
    session->busy().close();
    EXPECT_EQ(filter.RetryRejectedCall(nullptr, 0, SERVERCALL_RETRYLATER), 100u);
    EXPECT_EQ(filter.MessagePending(nullptr, 0, PENDINGTYPE_TOPLEVEL), static_cast<DWORD>(PENDINGMSG_WAITDEFPROCESS));
}
