// What a run leaves in Word besides the document: one undo step, and the
// screen updating as it was found, on every path.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/standin/dump.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/support/fake_dialog.h"
#include "typeset/run.h"
#include "word/errors.h"

using standin::WordModel;

namespace {

const char* const kReport =
    "关于办公用品采购情况的报告\n"
    "办公室：\n"
    "今年以来，我部门完成了办公用品的集中采购工作。\n"
    "下一步，我们将继续改进工作方法。\n"
    "\n";

// Notes whether Word redraws while the paragraph pass moves the progress bar.
class WatchingDialog : public testing_support::FakeDialog {
public:
    std::shared_ptr<WordModel> model;
    std::vector<bool> screen_updating_seen;

    void set_progress(std::int16_t percent) override
    {
        if (percent != 0) screen_updating_seen.push_back(model->screen_updating);
        FakeDialog::set_progress(percent);
    }
};

// Word's application, whose UndoRecord fails as the given one does.
class WithoutUndoRecord : public word::Application {
public:
    WithoutUndoRecord(std::unique_ptr<word::Application> word, std::function<void()> fail)
        : word_(std::move(word)), fail_(std::move(fail)) {}

    void set_visible(bool visible) override { word_->set_visible(visible); }
    bool screen_updating() override { return word_->screen_updating(); }
    void set_screen_updating(bool updating) override { word_->set_screen_updating(updating); }
    std::unique_ptr<word::UndoRecord> undo_record() override
    {
        fail_();
        return nullptr;
    }
    std::unique_ptr<word::Documents> documents() override { return word_->documents(); }
    std::unique_ptr<word::Document> active_document() override { return word_->active_document(); }
    std::unique_ptr<word::Selection> selection() override { return word_->selection(); }
    void screen_refresh() override { word_->screen_refresh(); }
    std::vector<word::MemberName> missing_members(const std::vector<word::MemberName>& members) override
    {
        return word_->missing_members(members);
    }
    std::string program_name() override { return word_->program_name(); }

private:
    std::unique_ptr<word::Application> word_;
    std::function<void()> fail_;
};

class OfficeRun : public ::testing::Test {
protected:
    std::shared_ptr<WordModel> model = std::make_shared<WordModel>();
    WatchingDialog dialog;
    testing_support::FakePlatform platform;

    OfficeRun()
    {
        dialog.model = model;
        model->open(standin::load_text(kReport));
    }

    void run(const word::ApplicationComponent::Connector& connector)
    {
        word::WordServers servers{connector};
        typeset::typeset_active_document(dialog, servers, platform);
    }
    void run()
    {
        run([this] { return standin::connect(model); });
    }

    // The member calls before the first and after the last of these.
    std::vector<std::string> calls_before(const std::string& member)
    {
        std::vector<std::string> before;
        for (const auto& call : model->calls) {
            if (call == member) break;
            before.push_back(call);
        }
        return before;
    }
    std::vector<std::string> calls_after(const std::string& member)
    {
        std::vector<std::string> after;
        for (auto call = model->calls.rbegin(); call != model->calls.rend() && *call != member; ++call)
            after.insert(after.begin(), *call);
        return after;
    }
};

}  // namespace

TEST_F(OfficeRun, IsOneUndoStepThatGivesBackTheDocument)
{
    const std::string before = standin::render(model->active());
    run();
    ASSERT_NE(standin::render(model->active()), before);
    ASSERT_EQ(model->active().undo_steps.size(), 1u);
    EXPECT_EQ(model->active().undo_steps[0].name, "自动排版");
    EXPECT_FALSE(model->recording_custom_record());

    // Everything that changes the document lies inside the record.
    EXPECT_EQ(calls_before("UndoRecord.StartCustomRecord"),
              (std::vector<std::string>{"Application.Visible", "Application.Documents", "Documents.Count",
                                        "Application.ActiveDocument", "Document.UserControl",
                                        "Application.ScreenUpdating", "Application.ScreenUpdating",
                                        "Application.UndoRecord"}));
    EXPECT_EQ(calls_after("UndoRecord.EndCustomRecord"),
              (std::vector<std::string>{"Application.ScreenUpdating", "Document.UserControl",
                                        "Application.ScreenRefresh"}));

    EXPECT_TRUE(model->undo(model->active_document()));
    EXPECT_EQ(standin::render(model->active()), before);
    EXPECT_FALSE(model->undo(model->active_document()));
}

TEST_F(OfficeRun, WordDoesNotRedrawDuringTheRunAndIsLeftAsItWasFound)
{
    run();
    ASSERT_FALSE(dialog.screen_updating_seen.empty());
    EXPECT_EQ(dialog.screen_updating_seen, std::vector<bool>(dialog.screen_updating_seen.size(), false));
    EXPECT_TRUE(model->screen_updating);

    // A macro of the user's may have turned it off: it stays off.
    model->screen_updating = false;
    run();
    EXPECT_FALSE(model->screen_updating);
    EXPECT_EQ(dialog.messages.size(), 2u);
}

TEST_F(OfficeRun, AWordWithoutUndoRecordRunsAsBeforeAndSaysSo)
{
    const std::vector<std::function<void()>> failures{
        [] { throw word::EOleError("Method 'UndoRecord' not supported by automation object"); },
        [] { throw word::EOleException("该命令无效", static_cast<std::int32_t>(0x800A1066u), "Kingsoft WPS", "", 0); },
    };
    for (const auto& fail : failures) {
        run([&] { return std::make_unique<WithoutUndoRecord>(standin::connect(model), fail); });
        ASSERT_EQ(dialog.messages.size(), 1u);
        EXPECT_EQ(dialog.messages[0].text, "自动排版完成。用时：2.531秒\nWord 不支持：整个排版作为一步撤销，已跳过");
        EXPECT_TRUE(model->active().undo_steps.empty());
        EXPECT_TRUE(model->screen_updating);
        dialog.messages.clear();
    }
}

TEST_F(OfficeRun, ALostOrBusyWordAtUndoRecordEndsTheRun)
{
    const std::string busy = "Word 正忙（可能有对话框未关闭），请在 Word 中完成当前操作后再试。\nOLE error 80010001";
    const std::vector<std::function<void()>> failures{
        [&] { throw word::EOleSysError(busy, static_cast<std::int32_t>(0x80010001u)); },
        // A Word that died inside the call.
        [] { throw word::EOleException("RPC 调用失败。", static_cast<std::int32_t>(0x800706BEu), "", "", 0); },
    };
    for (const auto& fail : failures) {
        try {
            run([&] { return std::make_unique<WithoutUndoRecord>(standin::connect(model), fail); });
            ADD_FAILURE() << "the run went on";
        } catch (const word::EOleSysError&) {
        }
        EXPECT_TRUE(model->screen_updating);
        EXPECT_TRUE(model->active().user_control);
        EXPECT_TRUE(dialog.button_enabled);
        EXPECT_TRUE(dialog.messages.empty());
    }
}
