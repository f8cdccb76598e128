// The run's stages leave Word holding exactly the document that the first,
// paragraph-by-paragraph stages left (tests/core/reference_run.cpp), as the
// stand-in's state shows it, while what they ask of Word no longer grows with
// the document.
#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/core/reference_run.h"
#include "tests/standin/dump.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/support/fake_dialog.h"
#include "typeset/run.h"
#include "word/errors.h"

using testing_support::FakeDialog;
using testing_support::FakePlatform;
using typeset::CheckBox;

namespace {

using TypesetRun = std::function<void(typeset::Dialog&, word::WordServers&, typeset::Platform&)>;

struct Outcome {
    std::string state;  // the stand-in's state JSON
    std::string failure;
    std::size_t messages = 0;
};

// A document with a title, an addressee line and body paragraphs up to
// `paragraphs` in all.
std::string report(int paragraphs)
{
    std::string text = "关于二〇二六年度工作情况的报告\n";
    if (paragraphs >= 2) text += "各科室：\n";
    for (int i = 3; i <= paragraphs; ++i) text += "本段是报告的第" + std::to_string(i) + "段，记述有关情况。\n";
    return text;
}

struct Document {
    std::string name;
    std::string text;
};

std::vector<Document> documents()
{
    std::vector<Document> found;
    for (int n : {1, 2, 3, 4, 10}) found.push_back({std::to_string(n) + " paragraphs", report(n)});
    std::string wrapping;
    for (int i = 0; i < 40; ++i) wrapping += "标";
    found.push_back({"a wrapping title", wrapping + "\n称呼\n正文一\n正文二\n"});
    found.push_back({"trailing blanks", report(4) + "\n\n\n"});
    found.push_back({"one paragraph and blanks", "标题\n\n\n"});
    found.push_back({"only blanks", "\n\n\n"});
    found.push_back({"a blank holding a space at the end", report(3) + "\n \n"});
    found.push_back({"a sign-off block already there",
                     report(3) + "\n\n\n审核人：                起草人：\n此处写部门名称\n2026年12月8日\n"});
    found.push_back({"a year in the last paragraph", report(3) + "写于2026年。\n"});
    found.push_back({"a short text with a year", "2026年工作总结"});
    found.push_back({"a table-like mix",
                     "物资采购明细\n\n序号\t名称\t数量\t金额\n1\t打印纸\t20\t400\n2\t墨盒\t5\t1250\n\n"
                     "  \n合计\t\t\t1650\n" +
                         std::string(300, 'x') + "\n\n"});
    return found;
}

// Settings: each of the four check boxes on or off, by bit.
void set_boxes(FakeDialog& dialog, unsigned bits)
{
    dialog.boxes[CheckBox::wbkh] = (bits & 1u) != 0;
    dialog.boxes[CheckBox::tshr] = (bits & 2u) != 0;
    dialog.boxes[CheckBox::zhyh] = (bits & 4u) != 0;
    dialog.boxes[CheckBox::DuanQian] = (bits & 8u) != 0;
}

// Runs `runs` times on a fresh stand-in holding the text; the state after
// each run.
std::vector<Outcome> outcomes(const TypesetRun& run, const std::string& text,
                              const std::function<void(FakeDialog&)>& setup, int runs,
                              std::vector<std::vector<std::int16_t>>* progress = nullptr)
{
    auto model = std::make_shared<standin::WordModel>();
    model->open(standin::load_text(text));
    word::WordServers servers{[&] { return standin::connect(model); }};
    FakePlatform platform;
    std::vector<Outcome> found;
    for (int i = 0; i < runs; ++i) {
        FakeDialog dialog;
        setup(dialog);
        Outcome outcome;
        try {
            run(dialog, servers, platform);
        } catch (const std::exception& error) {
            outcome.failure = error.what();
        }
        outcome.state = standin::to_json(*model);
        outcome.messages = dialog.messages.size();
        found.push_back(outcome);
        if (progress) progress->push_back(dialog.progress_history);
    }
    return found;
}

void expect_same_document(const std::string& text, const std::function<void(FakeDialog&)>& setup,
                          const std::string& where, int runs = 2)
{
    std::vector<std::vector<std::int16_t>> progress;
    const auto expected = outcomes(reference::typeset_active_document, text, setup, runs);
    const auto actual = outcomes(typeset::typeset_active_document, text, setup, runs, &progress);
    for (int i = 0; i < runs; ++i) {
        SCOPED_TRACE(where + ", run " + std::to_string(i + 1));
        EXPECT_EQ(actual[i].state, expected[i].state);
        EXPECT_EQ(actual[i].failure, expected[i].failure);
        EXPECT_EQ(actual[i].messages, expected[i].messages);
        // By stage from 0 up to 100 and back to 0; a failed run stops on its
        // way and is put back at 0 all the same.
        const auto& steps = progress[i];
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.back(), 0);
        for (std::size_t k = 1; k + 1 < steps.size(); ++k) EXPECT_GT(steps[k], steps[k - 1]);
        if (actual[i].failure.empty()) {
            ASSERT_GE(steps.size(), 2u);
            EXPECT_EQ(steps[steps.size() - 2], 100);
        }
    }
}

}  // namespace

TEST(StageEquivalence, EveryDocumentWithEveryCheckBoxOnAndOffTwice)
{
    for (const auto& document : documents()) {
        for (unsigned bits = 0; bits < 16; ++bits)
            expect_same_document(document.text, [&](FakeDialog& dialog) { set_boxes(dialog, bits); },
                                 document.name + ", boxes " + std::to_string(bits));
        // A bad value stops both where it is read.
        expect_same_document(
            document.text, [](FakeDialog& dialog) { dialog.edits[typeset::Edit::btDuanQianDuanHou] = "half"; },
            document.name + ", a bad title spacing", 1);
    }
}

TEST(StageEquivalence, TwoThousandParagraphs)
{
    const std::string text = report(2000) + "\n\n";
    for (unsigned bits : {15u, 0u, 10u})
        expect_same_document(text, [&](FakeDialog& dialog) { set_boxes(dialog, bits); },
                             "2,000 paragraphs, boxes " + std::to_string(bits));
}

TEST(StageEquivalence, TheRunAsksWordAsMuchForAPageAsForAReport)
{
    const auto calls_of_a_run = [](const std::string& text) {
        auto model = std::make_shared<standin::WordModel>();
        model->open(standin::load_text(text));
        word::WordServers servers{[&] { return standin::connect(model); }};
        FakeDialog dialog;
        FakePlatform platform;
        typeset::typeset_active_document(dialog, servers, platform);
        return model->call_count();
    };
    EXPECT_EQ(calls_of_a_run(report(10)), calls_of_a_run(report(2000)));
    // Each trailing blank costs its own calls: Last, Range, Characters,
    // Count and Delete.
    EXPECT_EQ(calls_of_a_run(report(2000) + "\n\n\n"), calls_of_a_run(report(2000)) + 3 * 5);
}

// Word failing at any call of the run leaves a document that the first stages
// also left at some point of their run: the cheaper stages skip steps but
// never make one the first stages did not.
TEST(StageEquivalence, AFailureAtAnyCallLeavesADocumentTheFirstStagesPassedThrough)
{
    std::size_t calls = 0;
    const auto state_failing_at = [&calls](const TypesetRun& run, const std::string& text, std::size_t k,
                                           bool& failed) {
        auto model = std::make_shared<standin::WordModel>();
        model->open(standin::load_text(text));
        word::WordServers servers{[&] { return standin::connect(model); }};
        FakeDialog dialog;
        FakePlatform platform;
        if (k > 0) model->fail_call(k, "Injected", static_cast<std::int32_t>(0x800A1745u));
        failed = false;
        try {
            run(dialog, servers, platform);
        } catch (const word::EOleException&) {
            failed = true;
        }
        calls = model->call_count();
        return standin::to_json(*model);
    };
    const std::string signed_off = report(3) + "\n\n\n审核人：\n此处写部门名称\n2026年12月8日\n";
    for (const std::string& text : {report(6) + "\n\n", signed_off}) {
        std::set<std::string> passed_through;
        bool failed = true;
        for (std::size_t k = 1; failed; ++k)
            passed_through.insert(state_failing_at(reference::typeset_active_document, text, k, failed));
        ASSERT_GT(passed_through.size(), 10u);
        // An optional step's failure is passed over, and the run completes
        // without it: every call of a whole run is tried, and each failure
        // that ends the run is checked.
        state_failing_at(typeset::typeset_active_document, text, 0, failed);
        const auto whole_run = calls;
        for (std::size_t k = 1; k <= whole_run; ++k) {
            const auto state = state_failing_at(typeset::typeset_active_document, text, k, failed);
            if (failed) {
                EXPECT_TRUE(passed_through.count(state)) << "a failure at call " << k;
            }
        }
        EXPECT_GT(whole_run, 50u);
    }
}
