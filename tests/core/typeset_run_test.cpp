// The typesetting run against the in-memory stand-in Word, as a user of Word
// would see the document afterwards.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "platform/utf8.h"
#include "tests/support/fake_dialog.h"
#include "typeset/numbers.h"
#include "typeset/run.h"
#include "word/errors.h"

using standin::DocumentState;
using standin::WordModel;
using testing_support::FakeDialog;
using testing_support::FakePlatform;
using typeset::CheckBox;
using typeset::Edit;
using typeset::Icon;

namespace {

constexpr float kMargin = 70.86499786f;  // 2.5 cm
constexpr float kIndent = 28.34600067f;

const char* const kReport =
    "关于二〇二六年度办公用品采购情况的报告\n"
    "办公室：\n"
    "今年以来，我部门按照年初计划，完成了办公用品的集中采购工作。\n"
    "一是严格执行采购制度，二是加强验收管理，三是做好台账登记。\n"
    "下一步，我们将继续改进工作方法，提高采购效率。\n"
    "\n"
    "\n"
    "\n";

class TypesetRun : public ::testing::Test {
protected:
    std::shared_ptr<WordModel> model = std::make_shared<WordModel>();
    FakeDialog dialog;
    FakePlatform platform;
    int attachments = 0;
    word::WordServers servers{[this] {
        ++attachments;
        return standin::connect(model);
    }};

    void open(const std::string& text) { model->open(standin::load_text(text)); }
    void run() { typeset::typeset_active_document(dialog, servers, platform); }

    // Runs and expects the run to fail with this message.
    void run_failing_with(const std::string& message)
    {
        try {
            run();
            ADD_FAILURE() << "the run did not fail";
        } catch (const std::exception& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }

    DocumentState& document() { return model->active(); }
    std::size_t paragraphs() { return document().paragraphs.size(); }
    const standin::ParagraphState& paragraph(std::size_t index) { return document().paragraphs.at(index); }
    std::string text(std::size_t index) { return platform::encode_utf8(paragraph(index).text); }
    const standin::CharFormat& char_format(std::size_t paragraph_index, std::size_t char_index)
    {
        return paragraph(paragraph_index).chars.at(char_index);
    }
};

}  // namespace

TEST_F(TypesetRun, TheDefaultsGiveTheReportItsStandardLayout)
{
    open(kReport);
    run();

    const auto& page = document().page_setup;
    EXPECT_EQ(page.top, kMargin);
    EXPECT_EQ(page.left, kMargin);
    EXPECT_EQ(page.bottom, kMargin);
    EXPECT_EQ(page.right, kMargin);

    // Five paragraphs of text, the three blanks gone, the sign-off block added.
    ASSERT_EQ(paragraphs(), 11u);
    for (std::size_t i = 0; i < paragraphs(); ++i) {
        const auto& format = paragraph(i).format;
        EXPECT_EQ(format.line_spacing_rule, word::LineSpacingRule::exactly) << i;
        EXPECT_EQ(format.line_spacing, 25.0f) << i;
        EXPECT_EQ(format.space_after, 0.0f) << i;
        EXPECT_EQ(format.space_before_auto, 0) << i;
        EXPECT_EQ(format.space_after_auto, 0) << i;
    }

    // The title: centred, half a line before and after, 小二 bold on its line.
    EXPECT_EQ(paragraph(0).format.alignment, word::ParagraphAlignment::center);
    EXPECT_EQ(paragraph(0).format.line_unit_before, 0.5f);
    EXPECT_EQ(paragraph(0).format.line_unit_after, 0.5f);
    EXPECT_EQ(char_format(0, 0), (standin::CharFormat{"宋体", 18.0f, 1}));

    // The addressee line is left alone by the paragraph pass.
    EXPECT_EQ(paragraph(1).format.alignment, word::ParagraphAlignment::left);
    EXPECT_EQ(paragraph(1).format.first_line_indent, 0.0f);
    EXPECT_EQ(char_format(1, 0), (standin::CharFormat{"宋体", 14.0f, 0}));

    // Body paragraphs: 四号, no spacing, indented by two characters.
    for (std::size_t i = 2; i < 5; ++i) {
        EXPECT_EQ(paragraph(i).format.alignment, word::ParagraphAlignment::left) << i;
        EXPECT_EQ(paragraph(i).format.line_unit_before, 0.0f) << i;
        EXPECT_EQ(paragraph(i).format.line_unit_after, 0.0f) << i;
        EXPECT_EQ(paragraph(i).format.first_line_indent, kIndent) << i;
        EXPECT_EQ(char_format(i, 0), (standin::CharFormat{"宋体", 14.0f, 0})) << i;
    }

    EXPECT_EQ(text(5), "");
    EXPECT_EQ(text(6), "");
    EXPECT_EQ(text(7), "");
    EXPECT_EQ(text(8), "审核人：                起草人：");
    EXPECT_EQ(text(9), "此处写部门名称");
    EXPECT_EQ(text(10), "2027年1月5日");
    EXPECT_EQ(paragraph(8).format.alignment, word::ParagraphAlignment::left);
    EXPECT_EQ(paragraph(9).format.alignment, word::ParagraphAlignment::right);
    EXPECT_EQ(paragraph(10).format.alignment, word::ParagraphAlignment::right);
    EXPECT_EQ(paragraph(10).format.right_indent, 0.0f);

    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0].text, "自动排版完成。用时：2.531秒");
    EXPECT_EQ(dialog.messages[0].caption, "提示");
    EXPECT_EQ(dialog.messages[0].icon, Icon::information);
    EXPECT_TRUE(document().user_control);
    EXPECT_TRUE(model->visible);
    EXPECT_TRUE(dialog.button_enabled);
    EXPECT_EQ(dialog.button_history, (std::vector<bool>{false, true}));
    EXPECT_EQ(dialog.progress, 0);
    // After the completion message the application component is attached
    // again, for the screen refresh.
    EXPECT_TRUE(servers.WordApplication1.connected());
    EXPECT_EQ(model->count("Application.ScreenRefresh"), 1u);
}

TEST_F(TypesetRun, ReadsTheDialogAtEachUseInTheDocumentedOrder)
{
    open("标题\n称呼\n正文一\n正文二\n");
    run();
    const std::vector<std::string> expected{
        "zwLine",     "zwDuanQianDuanHou", "zwDuanQianDuanHou", "ymszTop",
        "ymszLeft",   "ymszBottom",        "ymszRight",         "zwFontSize",
        "zwFontName", "zwDuanQianDuanHou", "zwDuanQianDuanHou", "btFontName",
        "btFontSize", "wbkh",              "btDuanQianDuanHou", "btDuanQianDuanHou",
        "DuanQian",   "tshr",              "zhyh",
    };
    EXPECT_EQ(dialog.reads, expected);
}

TEST_F(TypesetRun, WithoutADocumentTellsTheUserAndStops)
{
    run();
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0].text, "请先打开待排版的文档。");
    EXPECT_EQ(dialog.messages[0].caption, "提示");
    EXPECT_EQ(dialog.messages[0].icon, Icon::error);
    EXPECT_TRUE(model->visible);
    EXPECT_TRUE(dialog.button_enabled);
    EXPECT_TRUE(dialog.reads.empty());
    EXPECT_EQ(model->count("Application.ActiveDocument"), 0u);
}

TEST_F(TypesetRun, EveryRunAttachesAfresh)
{
    open("标题\n称呼\n正文\n");
    run();
    run();
    EXPECT_EQ(attachments, 4);  // each run, and each refresh after its message
    EXPECT_EQ(dialog.messages.size(), 2u);
}

TEST_F(TypesetRun, AWordThatCannotBeStartedFailsWithTheButtonEnabledAgain)
{
    word::WordServers missing{[]() -> std::unique_ptr<word::Application> {
        throw word::EOleSysError("Class not registered", static_cast<std::int32_t>(0x80040154u));
    }};
    try {
        typeset::typeset_active_document(dialog, missing, platform);
        ADD_FAILURE() << "the run did not fail";
    } catch (const word::EOleSysError& error) {
        EXPECT_EQ(std::string(error.what()), "Class not registered");
        EXPECT_EQ(error.error_code(), static_cast<std::int32_t>(0x80040154u));
    }
    EXPECT_TRUE(dialog.button_enabled);
    EXPECT_TRUE(dialog.messages.empty());
}

// A bad value stops the run where it is read; what came before stays.
TEST_F(TypesetRun, ABadLineSpacingStopsBeforeAnySpacingIsSet)
{
    open("标题\n称呼\n正文\n");
    dialog.edits[Edit::zwLine] = "25pt";
    run_failing_with("'25pt' is not a valid floating point value");
    EXPECT_EQ(paragraph(0).format.line_spacing_rule, word::LineSpacingRule::exactly);
    EXPECT_EQ(paragraph(0).format.line_spacing, 12.0f);
    EXPECT_EQ(document().page_setup.top, 72.0f);
}

TEST_F(TypesetRun, ABadBodySpacingLeavesTheLineSpacingButNoMargins)
{
    open("标题\n称呼\n正文\n");
    dialog.edits[Edit::zwDuanQianDuanHou] = "";
    run_failing_with("'' is not a valid floating point value");
    EXPECT_EQ(paragraph(2).format.line_spacing, 25.0f);
    EXPECT_EQ(document().page_setup.top, 72.0f);
}

TEST_F(TypesetRun, ABadTopMarginStopsBeforeAnyMarginIsSet)
{
    open("标题\n称呼\n正文\n");
    dialog.edits[Edit::ymszTop] = "abc";
    run_failing_with("'abc' is not a valid floating point value");
    const auto& page = document().page_setup;
    EXPECT_EQ(page.top, 72.0f);
    EXPECT_EQ(page.left, 90.0f);
    EXPECT_EQ(paragraph(0).format.space_after, 0.0f);
    EXPECT_EQ(paragraph(0).format.line_spacing, 25.0f);
    EXPECT_TRUE(dialog.messages.empty());
}

TEST_F(TypesetRun, ABadMarginKeepsTheMarginsSetBeforeIt)
{
    open("标题\n称呼\n正文\n");
    dialog.edits[Edit::ymszLeft] = "3";
    dialog.edits[Edit::ymszBottom] = "2,5";
    run_failing_with("'2,5' is not a valid floating point value");
    const auto& page = document().page_setup;
    EXPECT_EQ(page.top, kMargin);
    EXPECT_EQ(page.left, 85.038f);
    EXPECT_EQ(page.bottom, 72.0f);
    EXPECT_EQ(page.right, 90.0f);
}

TEST_F(TypesetRun, ABadRightMarginKeepsTheOtherThree)
{
    open("标题\n称呼\n正文\n");
    dialog.edits[Edit::ymszRight] = "1e40";
    run_failing_with("'1e40' is not a valid floating point value");
    EXPECT_EQ(document().page_setup.bottom, kMargin);
    EXPECT_EQ(document().page_setup.right, 90.0f);
    EXPECT_EQ(char_format(2, 0).size, 10.5f);
}

TEST_F(TypesetRun, ABadBodySizeStopsAfterTheMargins)
{
    open("标题\n称呼\n正文\n");
    dialog.size_texts[typeset::SizeCombo::zwFontSize] = "四号";
    run_failing_with("'四号' is not a valid floating point value");
    EXPECT_EQ(document().page_setup.right, kMargin);
    EXPECT_EQ(char_format(2, 0), (standin::CharFormat{}));
}

TEST_F(TypesetRun, ATypedNumberIsUsedAsTheSize)
{
    open("标题\n称呼\n正文\n");
    dialog.size_texts[typeset::SizeCombo::zwFontSize] = "15";
    dialog.size_texts[typeset::SizeCombo::btFontSize] = "小初(36)";
    run();
    EXPECT_EQ(char_format(2, 0).size, 15.0f);
    EXPECT_EQ(char_format(0, 0).size, 36.0f);
}

TEST_F(TypesetRun, ABadTitleSizeLeavesTheTitleFontNameOnly)
{
    open("标题\n称呼\n正文\n");
    dialog.fonts[typeset::FontCombo::btFontName] = "黑体";
    dialog.size_texts[typeset::SizeCombo::btFontSize] = "x";
    run_failing_with("'x' is not a valid floating point value");
    EXPECT_EQ(char_format(0, 0), (standin::CharFormat{"黑体", 14.0f, 0}));
}

TEST_F(TypesetRun, ABadTitleSpacingStopsAfterTheTitleIsCentred)
{
    open("标题\n称呼\n正文\n");
    dialog.edits[Edit::btDuanQianDuanHou] = "half";
    run_failing_with("'half' is not a valid floating point value");
    EXPECT_EQ(paragraph(0).format.alignment, word::ParagraphAlignment::center);
    EXPECT_EQ(paragraph(0).format.line_unit_before, 0.0f);
    EXPECT_EQ(paragraph(2).format.first_line_indent, 0.0f);
}

TEST_F(TypesetRun, AFailedRunHandsEverythingBack)
{
    open("标题\n称呼\n正文\n");
    dialog.edits[Edit::btDuanQianDuanHou] = "half";
    run_failing_with("'half' is not a valid floating point value");
    EXPECT_TRUE(dialog.button_enabled);
    EXPECT_EQ(dialog.progress, 0);
    EXPECT_TRUE(document().user_control);
    EXPECT_TRUE(dialog.messages.empty());
}

TEST_F(TypesetRun, UsesTheUsersDecimalSeparator)
{
    open("标题\n称呼\n正文\n");
    platform.separator = ",";
    dialog.edits[Edit::ymszTop] = "3,5";
    dialog.edits[Edit::zwLine] = "28,5";
    run();
    EXPECT_EQ(document().page_setup.top, static_cast<float>(3.5L * 28.346L));
    EXPECT_EQ(paragraph(2).format.line_spacing, 28.5f);
    EXPECT_EQ(dialog.messages.at(0).text, "自动排版完成。用时：2,531秒");
}

TEST_F(TypesetRun, OnlyTheFirstLineOfAWrappingTitleGetsTheTitleFont)
{
    // 40 ideographs: at 14 points, 32 fit between 2.5 cm margins.
    std::string title;
    for (int i = 0; i < 40; ++i) title += "标";
    open(title + "\n称呼\n正文\n");
    run();
    // The title size widens the first line's characters, but the selection
    // was made with the body font's layout.
    for (std::size_t i = 0; i < 32; ++i) EXPECT_EQ(char_format(0, i), (standin::CharFormat{"宋体", 18.0f, 1})) << i;
    for (std::size_t i = 32; i < 40; ++i) EXPECT_EQ(char_format(0, i), (standin::CharFormat{"宋体", 14.0f, 0})) << i;
}

TEST_F(TypesetRun, AnEmptyFirstParagraphIsFormattedAsTheTitleLine)
{
    open("\n称呼\n正文\n");
    run();
    EXPECT_EQ(char_format(0, 0), (standin::CharFormat{"宋体", 18.0f, 1}));  // its mark
    EXPECT_EQ(paragraph(0).format.alignment, word::ParagraphAlignment::center);
}

// Trailing blank paragraphs.
TEST_F(TypesetRun, RemovesEveryEmptyParagraphAtTheEnd)
{
    open("标题\n称呼\n正文\n\n\n\n");
    dialog.boxes[CheckBox::tshr] = false;
    run();
    ASSERT_EQ(paragraphs(), 3u);
    EXPECT_EQ(text(2), "正文");
    EXPECT_EQ(model->count("Range.Delete"), 3u);
}

TEST_F(TypesetRun, AParagraphHoldingASpaceIsNotBlank)
{
    open("标题\n称呼\n正文\n\n ");
    dialog.boxes[CheckBox::tshr] = false;
    run();
    EXPECT_EQ(paragraphs(), 5u);
    EXPECT_EQ(model->count("Range.Delete"), 0u);
}

TEST_F(TypesetRun, KeepsEmptyParagraphsInsideTheText)
{
    open("标题\n\n正文\n\n");
    dialog.boxes[CheckBox::tshr] = false;
    run();
    ASSERT_EQ(paragraphs(), 3u);
    EXPECT_EQ(text(1), "");
}

TEST_F(TypesetRun, WithoutTheOptionNoParagraphIsLookedAtBeforeThePass)
{
    open("标题\n称呼\n正文\n\n\n");
    dialog.boxes[CheckBox::wbkh] = false;
    dialog.boxes[CheckBox::tshr] = false;
    run();
    EXPECT_EQ(paragraphs(), 5u);
    EXPECT_EQ(model->count("Characters.Count"), 0u);
}

TEST_F(TypesetRun, ADocumentOfOnlyEmptyParagraphsKeepsOne)
{
    open("\n\n\n");
    dialog.boxes[CheckBox::tshr] = false;
    run();
    EXPECT_EQ(paragraphs(), 1u);
    EXPECT_EQ(paragraph(0).format.alignment, word::ParagraphAlignment::right);  // the closing alignment, last paragraph
}

// The paragraph pass and its progress.
TEST_F(TypesetRun, ProgressMovesByStageToAHundredAndBackToZero)
{
    open("一\n二\n三\n四\n五\n六\n");
    dialog.boxes[CheckBox::tshr] = false;
    run();
    // The document format, the blanks, the paragraph pass, the sign-off.
    EXPECT_EQ(dialog.progress_history, (std::vector<std::int16_t>{25, 50, 75, 100, 0}));
}

TEST_F(TypesetRun, WithoutRemovingBlanksProgressSkipsThatStage)
{
    open("一\n二\n三\n");
    dialog.boxes[CheckBox::wbkh] = false;
    run();
    EXPECT_EQ(dialog.progress_history, (std::vector<std::int16_t>{25, 75, 100, 0}));
}

TEST_F(TypesetRun, AThreeParagraphDocumentIsAtAHundredAtOnce)
{
    open("标题\n称呼\n正文\n");
    dialog.boxes[CheckBox::tshr] = false;
    run();
    EXPECT_EQ(dialog.progress_history, (std::vector<std::int16_t>{25, 50, 75, 100, 0}));
    EXPECT_EQ(paragraph(0).format.alignment, word::ParagraphAlignment::center);
    EXPECT_EQ(paragraph(1).format.first_line_indent, 0.0f);
    EXPECT_EQ(paragraph(2).format.first_line_indent, kIndent);
}

TEST_F(TypesetRun, ATitleWithOneBodyParagraphIsANormalReport)
{
    open("标题\n正文\n");
    dialog.boxes[CheckBox::tshr] = false;
    run();
    EXPECT_EQ(dialog.progress_history, (std::vector<std::int16_t>{25, 50, 75, 100, 0}));
    EXPECT_EQ(paragraph(0).format.alignment, word::ParagraphAlignment::right);  // then right-aligned as a closing line
    EXPECT_EQ(paragraph(0).format.line_unit_before, 0.5f);
    EXPECT_EQ(dialog.messages.size(), 1u);
}

TEST_F(TypesetRun, AOneParagraphDocumentNeverShowsANegativeProgress)
{
    open("只有一段");
    dialog.boxes[CheckBox::tshr] = false;
    dialog.boxes[CheckBox::zhyh] = false;
    run();
    EXPECT_EQ(dialog.progress_history, (std::vector<std::int16_t>{25, 50, 75, 100, 0}));
    for (const auto percent : dialog.progress_history) EXPECT_GE(percent, 0);
    EXPECT_EQ(paragraph(0).format.alignment, word::ParagraphAlignment::center);
    EXPECT_EQ(paragraph(0).format.line_unit_after, 0.5f);
}

TEST_F(TypesetRun, AllParagraphsFromTheThirdAreIndentedThroughOneRange)
{
    open("标题\n称呼\n正文一\n\n正文二\n");
    dialog.boxes[CheckBox::wbkh] = false;
    dialog.boxes[CheckBox::tshr] = false;
    run();
    for (std::size_t i = 2; i < 5; ++i) EXPECT_EQ(paragraph(i).format.first_line_indent, kIndent) << i;
    EXPECT_EQ(model->count("ParagraphFormat.FirstLineIndent"), 1u);
    EXPECT_EQ(model->count("Paragraphs.Item"), 2u);  // the title and the third paragraph
}

TEST_F(TypesetRun, WithoutIndentingNoFirstLineIndentIsSet)
{
    open("标题\n称呼\n正文\n");
    document().paragraphs[2].format.first_line_indent = 21.0f;
    dialog.boxes[CheckBox::DuanQian] = false;
    run();
    EXPECT_EQ(paragraph(2).format.first_line_indent, 21.0f);
    EXPECT_EQ(model->count("ParagraphFormat.FirstLineIndent"), 0u);
}

TEST_F(TypesetRun, ManyParagraphsAreAllIndentedAndProgressIsMonotonic)
{
    std::string text = "标题\n称呼\n";
    for (int i = 0; i < 200; ++i) text += "正文第" + std::to_string(i) + "段。\n";
    open(text);
    dialog.boxes[CheckBox::tshr] = false;
    run();
    for (std::size_t i = 2; i < 202; ++i) EXPECT_EQ(paragraph(i).format.first_line_indent, kIndent) << i;
    ASSERT_GE(dialog.progress_history.size(), 2u);
    EXPECT_EQ(dialog.progress_history.front(), 25);
    for (std::size_t i = 1; i + 1 < dialog.progress_history.size(); ++i)
        EXPECT_GT(dialog.progress_history[i], dialog.progress_history[i - 1]);
    EXPECT_EQ(dialog.progress_history[dialog.progress_history.size() - 2], 100);
}

// The sign-off block.
TEST_F(TypesetRun, TheSignOffBlockIsAppendedOnceAndRecognisedOnTheNextRun)
{
    open("标题\n称呼\n正文\n");
    run();
    ASSERT_EQ(paragraphs(), 9u);
    run();
    ASSERT_EQ(paragraphs(), 9u);
    EXPECT_EQ(text(6), "审核人：                起草人：");
    EXPECT_EQ(text(8), "2027年1月5日");
    // Document-wide formatting set them left; the closing alignment again right.
    EXPECT_EQ(paragraph(7).format.alignment, word::ParagraphAlignment::right);
    EXPECT_EQ(paragraph(8).format.alignment, word::ParagraphAlignment::right);
}

TEST_F(TypesetRun, AYearInTheLastParagraphAloneIsNoSignOffBlock)
{
    open("标题\n称呼\n正文写于2026年。\n");
    run();
    ASSERT_EQ(paragraphs(), 9u);
    EXPECT_EQ(text(8), "2027年1月5日");
}

TEST_F(TypesetRun, ALastParagraphWithoutAYearIsNotLookedBehind)
{
    open("标题\n审核人\n正文\n");
    run();
    EXPECT_EQ(paragraphs(), 9u);
    // The document's text is read once; the last paragraph's once.
    EXPECT_EQ(model->count("Range.Text"), 2u);
}

TEST_F(TypesetRun, TheBlockIsAlignedEvenWithoutTheClosingAlignmentOption)
{
    open("标题\n称呼\n正文\n");
    dialog.boxes[CheckBox::zhyh] = false;
    run();
    EXPECT_EQ(paragraph(6).format.alignment, word::ParagraphAlignment::left);
    EXPECT_EQ(paragraph(7).format.alignment, word::ParagraphAlignment::right);
    EXPECT_EQ(paragraph(8).format.alignment, word::ParagraphAlignment::right);
    EXPECT_EQ(model->count("ParagraphFormat.Alignment"), 3u);  // the body, then the two lines
}

TEST_F(TypesetRun, WithBothOptionsAndABlockPresentAlignsOnce)
{
    open("标题\n称呼\n正文\n\n\n\n审核人：                起草人：\n此处写部门名称\n2026年12月8日\n");
    run();
    EXPECT_EQ(paragraphs(), 9u);
    EXPECT_EQ(model->count("Range.InsertAfter"), 0u);
    EXPECT_EQ(model->count("ParagraphFormat.RightIndent"), 2u);
}

TEST_F(TypesetRun, WithoutTheSignOffOptionNothingIsAppended)
{
    open("标题\n称呼\n正文\n");
    dialog.boxes[CheckBox::tshr] = false;
    run();
    EXPECT_EQ(paragraphs(), 3u);
    EXPECT_EQ(model->count("Range.InsertParagraphAfter"), 0u);
}

TEST_F(TypesetRun, AShortDocumentWithAYearStillGetsItsBlock)
{
    open("2026年工作总结");
    run();
    ASSERT_EQ(paragraphs(), 7u);
    EXPECT_EQ(text(6), "2027年1月5日");
}

TEST_F(TypesetRun, TheDateIsTheLocalDateWithoutLeadingZeros)
{
    open("标题\n称呼\n正文\n");
    platform.date = {2030, 10, 9};
    run();
    EXPECT_EQ(text(8), "2030年10月9日");
}

// Failures from Word, at every call the run makes: the run ends, unless the
// call was an optional step's, which the completion message then names.
TEST_F(TypesetRun, AWordFailureAtAnyCallLeavesTheDialogReadyAndTheDocumentToTheUser)
{
    open(kReport);
    run();
    const auto calls_of_a_run = model->call_count();
    ASSERT_GT(calls_of_a_run, 50u);
    const auto names = model->calls;

    for (std::size_t k = 1; k <= calls_of_a_run; ++k) {
        auto fresh = std::make_shared<WordModel>();
        fresh->open(standin::load_text(kReport));
        model = fresh;
        FakeDialog fresh_dialog;
        dialog = fresh_dialog;
        model->fail_call(k, "The object is locked.  ", static_cast<std::int32_t>(0x800A1234u));
        try {
            run();
            // A run that can do without the call says what it left out.
            ASSERT_FALSE(dialog.messages.empty()) << k;
            EXPECT_NE(dialog.messages.back().text.find("\nWord 不支持："), std::string::npos)
                << "no failure at call " << k << ", " << names[k - 1];
        } catch (const word::EOleException& error) {
            EXPECT_EQ(std::string(error.what()), "The object is locked") << k;
            EXPECT_EQ(error.error_code(), static_cast<std::int32_t>(0x800A1234u)) << k;
            EXPECT_EQ(error.source(), "Microsoft Word") << k;
        }
        EXPECT_TRUE(dialog.button_enabled) << k;
        EXPECT_EQ(dialog.progress, 0) << k;
        EXPECT_TRUE(document().user_control) << k;
        // Word is handed back as it was found.
        EXPECT_TRUE(model->screen_updating) << k << ", " << names[k - 1];
        EXPECT_FALSE(model->recording_custom_record()) << k << ", " << names[k - 1];
    }
}
