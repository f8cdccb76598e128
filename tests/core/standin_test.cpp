// The stand-in Word behaves as Word does where the typesetting run relies on it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/standin/dump.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "platform/utf8.h"
#include "word/errors.h"

namespace {

using standin::CharFormat;
using standin::DocumentState;
using standin::WordModel;

struct OpenWord {
    explicit OpenWord(std::string_view text) : model(std::make_shared<WordModel>())
    {
        model->open(standin::load_text(text));
        app = standin::connect(model);
    }

    DocumentState& document() { return model->active(); }
    std::string text_of(std::size_t paragraph) { return platform::encode_utf8(document().paragraphs[paragraph].text); }
    std::int32_t characters_of(std::int32_t index)
    {
        return app->active_document()->paragraphs()->item(index)->range()->characters()->count();
    }
    void delete_paragraph(std::int32_t index)
    {
        app->active_document()->paragraphs()->item(index)->range()->delete_text(word::Unit::character, 1);
    }

    std::shared_ptr<WordModel> model;
    std::unique_ptr<word::Application> app;
};

std::string repeat(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

// What the official-document run relies on: fonts for Latin and Chinese
// text apart, indents kept in characters or in points, footers with fields,
// list strings, and all of it taken back by one undo.
TEST(OfficialMembers, KeepWhatWordKeepsAndUndoTakesItBack)
{
    auto model = std::make_shared<WordModel>();
    model->open(standin::load_listed_text("[[一、]]要求\n正文\n"));
    const auto app = standin::connect(model);
    model->start_custom_record("自动排版");
    const auto document = app->active_document();
    const auto range = document->range(0, 3);
    range->font()->set_name("宋体");
    range->font()->set_name("Times New Roman");  // Chinese text keeps 宋体
    EXPECT_EQ(model->active().paragraphs[0].chars[0], (CharFormat{"Times New Roman", 10.5f, 0, "宋体"}));
    range->font()->set_name_far_east("黑体");
    range->font()->set_name("仿宋");  // an East Asian font is both
    EXPECT_EQ(model->active().paragraphs[0].chars[0], (CharFormat{"仿宋", 10.5f, 0}));

    const auto format = range->paragraph_format();
    format->set_first_line_indent(28);
    format->set_character_unit_first_line_indent(2);
    EXPECT_EQ(model->active().paragraphs[0].format.first_line_indent, 0);
    EXPECT_EQ(model->active().paragraphs[0].format.character_unit_first_line_indent, 2);
    format->set_right_indent(10);
    EXPECT_EQ(model->active().paragraphs[0].format.character_unit_right_indent, 0);

    const auto items = document->list_paragraphs();
    ASSERT_EQ(items->count(), 1);
    EXPECT_EQ(items->item(1)->range()->list_format()->list_string(), "一、");
    EXPECT_EQ(document->range(3, 5)->list_format()->list_string(), "");

    const auto footer = document->sections()->item(1)->footers()->item(word::HeaderFooterIndex::even_pages)->range();
    footer->set_text("旧页码");
    footer->set_text("[]");  // replaces, never adds
    footer->set_range(1, 1);
    footer->fields()->add(*footer, word::FieldType::page);
    const std::string shown = standin::render(model->active());
    EXPECT_NE(shown.find("section 1 footer even_pages: left\n  [Times New Roman 10.5][{ PAGE |1}]¶"), std::string::npos)
        << shown;
    EXPECT_THROW(document->sections()->item(2), word::EOleException);

    document->page_setup()->set_paper_size(word::PaperSize::a4);
    model->end_custom_record();
    ASSERT_TRUE(model->undo(model->active_document()));
    EXPECT_EQ(standin::render(model->active()), standin::render(standin::load_listed_text("[[一、]]要求\n正文\n")));
}

TEST(CharactersCount, OfAnEmptyParagraphIsOneForItsMark)
{
    OpenWord word("Title\n\nText\n");
    EXPECT_EQ(word.characters_of(2), 1);
}

TEST(CharactersCount, OfAParagraphHoldingOneSpaceIsTwo)
{
    OpenWord word("Title\n \n");
    EXPECT_EQ(word.characters_of(2), 2);
}

TEST(CharactersCount, OfAWholeParagraphIncludesItsMark)
{
    OpenWord word("标题\nabc\n");
    EXPECT_EQ(word.characters_of(1), 3);
    EXPECT_EQ(word.characters_of(2), 4);
}

TEST(RangeText, ShowsParagraphMarksAsCarriageReturns)
{
    OpenWord word("标题\nabc\n");
    EXPECT_EQ(word.app->active_document()->content()->text(), "标题\rabc\r");
    EXPECT_EQ(word.app->active_document()->paragraphs()->item(2)->range()->text(), "abc\r");
}

TEST(RangeBounds, OfContentSpanTheStoryWithTheFinalMark)
{
    OpenWord word("标题\nabc\n");
    auto content = word.app->active_document()->content();
    EXPECT_EQ(content->start(), 0);
    EXPECT_EQ(content->end(), 7);
    auto second = word.app->active_document()->paragraphs()->item(2)->range();
    EXPECT_EQ(second->start(), 3);
    EXPECT_EQ(second->end(), 7);
}

TEST(DeletingAParagraphMark, RemovesAnEmptyParagraphInTheMiddle)
{
    OpenWord word("one\n\ntwo\n");
    word.delete_paragraph(2);
    ASSERT_EQ(word.document().paragraphs.size(), 2u);
    EXPECT_EQ(word.text_of(0), "one");
    EXPECT_EQ(word.text_of(1), "two");
}

TEST(DeletingAParagraphMark, OfAnEmptyLastParagraphRemovesTheMarkBeforeIt)
{
    OpenWord word("one\ntwo\n\n");
    word.document().paragraphs[2].format.alignment = word::ParagraphAlignment::right;
    word.document().paragraphs[2].chars[0].font_name = "黑体";
    word.delete_paragraph(3);
    ASSERT_EQ(word.document().paragraphs.size(), 2u);
    EXPECT_EQ(word.text_of(1), "two");
    // What is left at the end carries the final mark and its paragraph format.
    EXPECT_EQ(word.document().paragraphs[1].format.alignment, word::ParagraphAlignment::right);
    EXPECT_EQ(word.document().paragraphs[1].chars.back().font_name, "黑体");
    EXPECT_EQ(word.document().paragraphs[1].chars[0].font_name, "Times New Roman");
}

TEST(DeletingAParagraphMark, RemovesThreeTrailingEmptyParagraphsOneByOne)
{
    OpenWord word("Title\nText\n\n\n\n");
    word.delete_paragraph(5);
    word.delete_paragraph(4);
    word.delete_paragraph(3);
    ASSERT_EQ(word.document().paragraphs.size(), 2u);
    EXPECT_EQ(word.app->active_document()->content()->text(), "Title\rText\r");
    EXPECT_EQ(word.characters_of(2), 5);
}

TEST(DeletingAParagraphMark, LeavesADocumentOfOneEmptyParagraphAsItIs)
{
    OpenWord word("");
    word.delete_paragraph(1);
    ASSERT_EQ(word.document().paragraphs.size(), 1u);
    EXPECT_EQ(word.text_of(0), "");
    EXPECT_EQ(word.document().paragraphs[0].chars.size(), 1u);
}

TEST(DeletingARange, OfAWholeLastParagraphDeletesItsTextButNotTheFinalMark)
{
    OpenWord word("one\ntwo\n");
    word.delete_paragraph(2);
    ASSERT_EQ(word.document().paragraphs.size(), 2u);
    EXPECT_EQ(word.app->active_document()->content()->text(), "one\r\r");
}

TEST(DeletingARange, OfAParagraphWithTextJoinsWhatFollowsOntoThePreviousMarkPosition)
{
    OpenWord word("one\ntwo\nthree\n");
    word.delete_paragraph(2);
    EXPECT_EQ(word.app->active_document()->content()->text(), "one\rthree\r");
}

TEST(DeletingARange, ThatIsCollapsedDeletesTheCharactersAfterIt)
{
    auto model = std::make_shared<WordModel>();
    model->open(standin::load_text("abc\ndef\n"));
    const standin::RangeRef at_c{0, 2, 2};
    EXPECT_EQ(model->delete_range(at_c, word::Unit::character, 2), 2);  // "c" and the first mark
    EXPECT_EQ(model->range_text(model->whole_story(0)), "abdef\r");
    const standin::RangeRef before_final_mark{0, 5, 5};
    EXPECT_EQ(model->delete_range(before_final_mark, word::Unit::character, 1), 0);
    EXPECT_EQ(model->range_text(model->whole_story(0)), "abdef\r");
}

TEST(DeletingARange, WithAStaleRangePastTheStoryDoesNotCrash)
{
    OpenWord word("one\ntwo\nthree\n");
    auto last = word.app->active_document()->paragraphs()->item(3)->range();
    word.delete_paragraph(1);
    word.delete_paragraph(1);
    last->delete_text(word::Unit::character, 1);
    EXPECT_EQ(word.app->active_document()->content()->text(), "three\r");
}

TEST(AppendingAtTheEnd, InsertParagraphAfterAddsAnEmptyParagraphWithTheLastOnesFormat)
{
    OpenWord word("Title\nText\n");
    word.document().paragraphs[1].format.right_indent = 7;
    word.document().paragraphs[1].chars.back().font_name = "宋体";
    word.app->active_document()->range()->insert_paragraph_after();
    ASSERT_EQ(word.document().paragraphs.size(), 3u);
    EXPECT_EQ(word.text_of(1), "Text");
    EXPECT_EQ(word.text_of(2), "");
    EXPECT_EQ(word.document().paragraphs[2].format.right_indent, 7);
    EXPECT_EQ(word.document().paragraphs[2].chars.back().font_name, "宋体");
}

TEST(AppendingAtTheEnd, InsertAfterPutsTheTextIntoTheLastParagraphInTheMarksFormat)
{
    OpenWord word("Title\n\n");
    word.document().paragraphs[1].chars.back() = CharFormat{"宋体", 14, 0};
    word.app->active_document()->range()->insert_after("审核人：  起草人：");
    ASSERT_EQ(word.document().paragraphs.size(), 2u);
    EXPECT_EQ(word.text_of(1), "审核人：  起草人：");
    EXPECT_EQ(word.document().paragraphs[1].chars.size(), 11u);
    EXPECT_EQ(word.document().paragraphs[1].chars[0], (CharFormat{"宋体", 14, 0}));
    EXPECT_EQ(word.document().paragraphs[1].chars[9], (CharFormat{"宋体", 14, 0}));
}

TEST(AppendingAtTheEnd, InsertAfterBreaksParagraphsAtLineEnds)
{
    OpenWord word("Title\n");
    word.app->active_document()->range()->insert_after("a\rb\nc");
    ASSERT_EQ(word.document().paragraphs.size(), 3u);
    EXPECT_EQ(word.app->active_document()->content()->text(), "Titlea\rb\rc\r");
}

TEST(AppendingAtTheEnd, TheSignOffSequenceBuildsThreeEmptyParagraphsAndThreeLines)
{
    OpenWord word("Title\nText\n");
    auto append_paragraph = [&] { word.app->active_document()->range()->insert_paragraph_after(); };
    auto append_text = [&](const std::string& text) { word.app->active_document()->range()->insert_after(text); };
    for (int i = 0; i < 4; ++i) append_paragraph();
    append_text("审核人：起草人：");
    append_paragraph();
    append_text("此处写部门名称");
    append_paragraph();
    append_text("2024年1月5日");
    EXPECT_EQ(word.app->active_document()->content()->text(),
              "Title\rText\r\r\r\r审核人：起草人：\r此处写部门名称\r2024年1月5日\r");
}

// 2.5 cm margins leave 595.3 - 2 x 70.865 = 453.57 points: 32 ideographs at 14 points.
struct WrappedTitle : OpenWord {
    WrappedTitle() : OpenWord(repeat("字", 40) + "\n正文\n")
    {
        auto page = app->active_document()->page_setup();
        page->set_left_margin(70.865f);
        page->set_right_margin(70.865f);
        auto content = app->active_document()->content();
        app->selection()->set_range(content->start(), content->end());
        auto font = app->selection()->font();
        font->set_size(14);
        font->set_name("宋体");
    }
};

TEST(LineLayout, WrapsA40IdeographParagraphAfter32AtTwoAndAHalfCentimetreMargins)
{
    WrappedTitle word;
    auto selection = word.app->selection();
    selection->home_key(word::Unit::story, word::Movement::move);
    selection->home_key(word::Unit::line, word::Movement::move);
    selection->end_key(word::Unit::line, word::Movement::extend);
    EXPECT_EQ(word.document().selection_start, 0);
    EXPECT_EQ(word.document().selection_end, 32);
}

TEST(LineLayout, TitleFontOnTheFirstLineLeavesTheRestOfTheParagraphInTheBodyFont)
{
    WrappedTitle word;
    auto selection = word.app->selection();
    selection->home_key(word::Unit::story, word::Movement::move);
    selection->home_key(word::Unit::line, word::Movement::move);
    selection->end_key(word::Unit::line, word::Movement::extend);
    auto font = word.app->selection()->font();
    font->set_name("黑体");
    font->set_size(18);
    font->set_bold(1);
    const auto& title = word.document().paragraphs[0];
    EXPECT_EQ(title.chars[0], (CharFormat{"黑体", 18, 1}));
    EXPECT_EQ(title.chars[31], (CharFormat{"黑体", 18, 1}));
    EXPECT_EQ(title.chars[32], (CharFormat{"宋体", 14, 0}));
    EXPECT_EQ(title.chars[40], (CharFormat{"宋体", 14, 0}));
}

TEST(LineLayout, NarrowerMarginsHoldMoreCharactersPerLine)
{
    WrappedTitle word;
    auto page = word.app->active_document()->page_setup();
    page->set_left_margin(50);
    page->set_right_margin(50);  // 495.3 points: 35 ideographs
    auto selection = word.app->selection();
    selection->home_key(word::Unit::story, word::Movement::move);
    selection->end_key(word::Unit::line, word::Movement::extend);
    EXPECT_EQ(word.document().selection_end, 35);
}

TEST(LineLayout, FirstLineIndentShortensOnlyTheFirstLine)
{
    WrappedTitle word;
    word.document().paragraphs[0].format.first_line_indent = 28;  // two ideographs
    auto selection = word.app->selection();
    selection->home_key(word::Unit::story, word::Movement::move);
    selection->end_key(word::Unit::line, word::Movement::extend);
    EXPECT_EQ(word.document().selection_end, 30);
    selection->set_range(35, 35);
    selection->home_key(word::Unit::line, word::Movement::move);
    EXPECT_EQ(word.document().selection_start, 30);
}

TEST(LineLayout, HalfWidthCharactersTakeHalfTheirSize)
{
    OpenWord word(repeat("a", 100) + "\n");
    // 595.3 - 180 = 415.3 points at 10.5 / 2 = 5.25 points each: 79 characters.
    auto selection = word.app->selection();
    selection->home_key(word::Unit::story, word::Movement::move);
    selection->end_key(word::Unit::line, word::Movement::extend);
    EXPECT_EQ(word.document().selection_end, 79);
}

TEST(LineLayout, EndKeyOnAOneLineParagraphSelectsItsTextWithoutTheMark)
{
    OpenWord word("标题\n正文\n");
    auto selection = word.app->selection();
    selection->home_key(word::Unit::story, word::Movement::move);
    selection->home_key(word::Unit::line, word::Movement::move);
    selection->end_key(word::Unit::line, word::Movement::extend);
    EXPECT_EQ(word.document().selection_start, 0);
    EXPECT_EQ(word.document().selection_end, 2);
}

TEST(LineLayout, EndKeyExtendingAgainAtASoftLineEndStaysOnThatLine)
{
    WrappedTitle word;
    auto selection = word.app->selection();
    selection->home_key(word::Unit::story, word::Movement::move);
    selection->end_key(word::Unit::line, word::Movement::extend);
    selection->end_key(word::Unit::line, word::Movement::extend);
    EXPECT_EQ(word.document().selection_end, 32);
}

TEST(SelectionKeys, EndKeyStoryMovesInFrontOfTheFinalMark)
{
    OpenWord word("one\ntwo\n");
    word.app->selection()->end_key(word::Unit::story, word::Movement::move);
    EXPECT_EQ(word.document().selection_start, 7);
    EXPECT_EQ(word.document().selection_end, 7);
}

TEST(SelectionKeys, HomeKeyStoryCollapsesAtTheStart)
{
    OpenWord word("one\ntwo\n");
    word.app->selection()->set_range(2, 6);
    word.app->selection()->home_key(word::Unit::story, word::Movement::move);
    EXPECT_EQ(word.document().selection_start, 0);
    EXPECT_EQ(word.document().selection_end, 0);
}

TEST(SelectionKeys, SetRangeIsClampedToTheStory)
{
    OpenWord word("one\n");
    word.app->selection()->set_range(-3, 99);
    EXPECT_EQ(word.document().selection_start, 0);
    EXPECT_EQ(word.document().selection_end, 4);
}

TEST(SelectionKeys, AnUnknownUnitIsRejectedAsWordDoes)
{
    OpenWord word("one\n");
    EXPECT_THROW(word.app->selection()->home_key(word::Unit::character, word::Movement::move), word::EOleException);
}

TEST(SelectionFont, OfTheWholeDocumentFormatsEveryMark)
{
    OpenWord word("one\n\ntwo\n");
    auto content = word.app->active_document()->content();
    word.app->selection()->set_range(content->start(), content->end());
    word.app->selection()->font()->set_name("宋体");
    for (const auto& paragraph : word.document().paragraphs)
        for (const CharFormat& format : paragraph.chars) EXPECT_EQ(format.font_name, "宋体");
}

TEST(SelectionFont, OfACollapsedSelectionInAnEmptyFirstParagraphFormatsItsMark)
{
    OpenWord word("\nText\n");
    auto selection = word.app->selection();
    selection->home_key(word::Unit::story, word::Movement::move);
    selection->home_key(word::Unit::line, word::Movement::move);
    selection->end_key(word::Unit::line, word::Movement::extend);
    EXPECT_EQ(word.document().selection_end, 0);
    word.app->selection()->font()->set_size(18);
    EXPECT_EQ(word.document().paragraphs[0].chars[0].size, 18.0f);
    EXPECT_EQ(word.document().paragraphs[1].chars[0].size, 10.5f);
}

TEST(SelectionFont, OfACollapsedSelectionInsideTextChangesNothing)
{
    OpenWord word("Text\n");
    word.app->selection()->set_range(2, 2);
    word.app->selection()->font()->set_bold(1);
    for (const CharFormat& format : word.document().paragraphs[0].chars) EXPECT_EQ(format.bold, 0);
}

TEST(SelectionFont, IsBoundToTheSelectionAsItWasWhenFetched)
{
    OpenWord word("ab\ncd\n");
    word.app->selection()->set_range(0, 1);
    auto font = word.app->selection()->font();
    word.app->selection()->set_range(3, 5);
    font->set_bold(1);
    EXPECT_EQ(word.document().paragraphs[0].chars[0].bold, 1);
    EXPECT_EQ(word.document().paragraphs[1].chars[0].bold, 0);
}

TEST(ParagraphFormats, OfASelectionApplyToEveryParagraphItTouches)
{
    OpenWord word("one\ntwo\nthree\n");
    word.app->selection()->set_range(2, 5);
    word.app->selection()->paragraph_format()->set_alignment(word::ParagraphAlignment::right);
    EXPECT_EQ(word.document().paragraphs[0].format.alignment, word::ParagraphAlignment::right);
    EXPECT_EQ(word.document().paragraphs[1].format.alignment, word::ParagraphAlignment::right);
    EXPECT_EQ(word.document().paragraphs[2].format.alignment, word::ParagraphAlignment::left);
}

TEST(ParagraphFormats, OfAParagraphsRangeStayWithinThatParagraph)
{
    OpenWord word("one\ntwo\nthree\n");
    word.app->active_document()->paragraphs()->item(2)->range()->paragraph_format()->set_first_line_indent(28.346f);
    EXPECT_EQ(word.document().paragraphs[0].format.first_line_indent, 0.0f);
    EXPECT_EQ(word.document().paragraphs[1].format.first_line_indent, 28.346f);
    EXPECT_EQ(word.document().paragraphs[2].format.first_line_indent, 0.0f);
}

TEST(ParagraphFormats, OfADocumentRangeApplyToEveryParagraphItTouches)
{
    // Positions: one 0-3, two 4-7, three 8-13, four 14-18; the range starts
    // inside "two" and ends inside "three", as Word applies it to both.
    OpenWord word("one\ntwo\nthree\nfour\n");
    auto document = word.app->active_document();
    document->range(5, 10)->paragraph_format()->set_first_line_indent(28.346f);
    const auto indent = [&](std::size_t i) { return word.document().paragraphs[i].format.first_line_indent; };
    EXPECT_EQ(indent(0), 0.0f);
    EXPECT_EQ(indent(1), 28.346f);
    EXPECT_EQ(indent(2), 28.346f);
    EXPECT_EQ(indent(3), 0.0f);
    // To the end of the content: every paragraph from the third on.
    document->range(8, document->content()->end())->paragraph_format()->set_right_indent(5);
    EXPECT_EQ(word.document().paragraphs[1].format.right_indent, 0.0f);
    EXPECT_EQ(word.document().paragraphs[2].format.right_indent, 5.0f);
    EXPECT_EQ(word.document().paragraphs[3].format.right_indent, 5.0f);
    // A collapsed range: the paragraph it is in.
    document->range(15, 15)->paragraph_format()->set_alignment(word::ParagraphAlignment::right);
    EXPECT_EQ(word.document().paragraphs[2].format.alignment, word::ParagraphAlignment::left);
    EXPECT_EQ(word.document().paragraphs[3].format.alignment, word::ParagraphAlignment::right);
    EXPECT_THROW(document->range(3, 2), word::EOleException);
    EXPECT_THROW(document->range(0, 20), word::EOleException);
}

TEST(ParagraphsFromTheEnd, LastAndPreviousNameTheParagraphsBeforeTheFinalMark)
{
    OpenWord word("one\ntwo\nthree\n");
    auto last = word.app->active_document()->paragraphs()->last();
    EXPECT_EQ(last->range()->text(), "three\r");
    EXPECT_EQ(last->previous(1)->range()->text(), "two\r");
    EXPECT_EQ(last->previous(2)->range()->text(), "one\r");
    EXPECT_THROW(last->previous(3), word::EOleException);
    EXPECT_EQ(word.model->count("Paragraphs.Last"), 1u);
    EXPECT_EQ(word.model->count("Paragraph.Previous"), 3u);
}

TEST(ParagraphFormats, SetThroughTheParagraphReachItsFields)
{
    OpenWord word("Title\nText\n");
    auto title = word.app->active_document()->paragraphs()->item(1);
    title->set_alignment(word::ParagraphAlignment::center);
    title->set_line_unit_before(0.5f);
    title->set_line_unit_after(1);
    const auto& format = word.document().paragraphs[0].format;
    EXPECT_EQ(format.alignment, word::ParagraphAlignment::center);
    EXPECT_EQ(format.line_unit_before, 0.5f);
    EXPECT_EQ(format.line_unit_after, 1.0f);
    EXPECT_EQ(word.document().paragraphs[1].format.alignment, word::ParagraphAlignment::left);
}

TEST(ParagraphFormats, AreKeptAsPutWithoutEffectsOnEachOther)
{
    OpenWord word("Text\n");
    auto content = word.app->active_document()->content();
    word.app->selection()->set_range(content->start(), content->end());
    auto format = word.app->selection()->paragraph_format();
    format->set_line_spacing_rule(word::LineSpacingRule::exactly);
    format->set_line_spacing(25);
    format->set_space_after(0);
    format->set_space_before_auto(0);
    format->set_space_after_auto(0);
    standin::ParagraphFormatState expected;
    expected.line_spacing_rule = word::LineSpacingRule::exactly;
    expected.line_spacing = 25;
    EXPECT_EQ(word.document().paragraphs[0].format, expected);
}

TEST(PageSetup, MarginsAreStoredInPoints)
{
    OpenWord word("Text\n");
    auto page = word.app->active_document()->page_setup();
    page->set_top_margin(70.865f);
    page->set_bottom_margin(1);
    page->set_left_margin(2);
    page->set_right_margin(3);
    EXPECT_EQ(word.document().page_setup.top, 70.865f);
    EXPECT_EQ(word.document().page_setup.bottom, 1.0f);
    EXPECT_EQ(word.document().page_setup.left, 2.0f);
    EXPECT_EQ(word.document().page_setup.right, 3.0f);
}

TEST(PageSetup, ANegativeLeftMarginIsRejected)
{
    OpenWord word("Text\n");
    try {
        word.app->active_document()->page_setup()->set_left_margin(-1);
        FAIL() << "no error";
    } catch (const word::EOleException& error) {
        EXPECT_STREQ(error.what(), "Value out of range");
        EXPECT_EQ(error.error_code(), static_cast<std::int32_t>(0x800A17ECu));
    }
}

TEST(WordErrors, ItemOutOfRangeIsTheCollectionError)
{
    OpenWord word("one\ntwo\n");
    for (const std::int32_t index : {0, 3}) {
        try {
            word.app->active_document()->paragraphs()->item(index);
            FAIL() << "no error for " << index;
        } catch (const word::EOleException& error) {
            EXPECT_STREQ(error.what(), "The requested member of the collection does not exist");
            EXPECT_EQ(error.error_code(), static_cast<std::int32_t>(0x800A1745u));
            EXPECT_EQ(error.source(), "Microsoft Word");
            EXPECT_EQ(error.help_file(), "");
            EXPECT_EQ(error.help_context(), 0);
        }
    }
}

TEST(WordErrors, AParagraphWhoseIndexNoLongerExistsFailsWhenUsed)
{
    OpenWord word("one\n\n\n");
    auto third = word.app->active_document()->paragraphs()->item(3);
    word.delete_paragraph(2);
    EXPECT_THROW(third->set_alignment(word::ParagraphAlignment::right), word::EOleException);
    EXPECT_THROW(third->range(), word::EOleException);
}

TEST(WordErrors, ActiveDocumentWithoutADocumentIsNotAvailable)
{
    auto model = std::make_shared<WordModel>();
    auto app = standin::connect(model);
    EXPECT_EQ(app->documents()->count(), 0);
    try {
        app->active_document();
        FAIL() << "no error";
    } catch (const word::EOleException& error) {
        EXPECT_STREQ(error.what(), "This command is not available because no document is open");
        EXPECT_EQ(error.error_code(), static_cast<std::int32_t>(0x800A1098u));
    }
    EXPECT_THROW(app->selection(), word::EOleException);
}

TEST(ActiveDocument, IsTheMostRecentlyOpened)
{
    auto model = std::make_shared<WordModel>();
    model->open(standin::load_text("first\n"));
    model->open(standin::load_text("second\n"));
    auto app = standin::connect(model);
    EXPECT_EQ(app->documents()->count(), 2);
    EXPECT_EQ(app->active_document()->content()->text(), "second\r");
    app->active_document()->set_user_control(false);
    EXPECT_TRUE(model->documents[0].user_control);
    EXPECT_FALSE(model->documents[1].user_control);
}

TEST(CallRecording, NamesEachMemberByInterfaceAndMember)
{
    OpenWord word("one\n");
    word.app->set_visible(true);
    word.app->active_document()->paragraphs()->item(1)->range()->characters()->count();
    word.app->screen_refresh();
    const std::vector<std::string> expected{
        "Application.Visible",  "Application.ActiveDocument", "Document.Paragraphs",        "Paragraphs.Item",
        "Paragraph.Range",      "Range.Characters",           "Characters.Count",           "Application.ScreenRefresh"};
    EXPECT_EQ(word.model->calls, expected);
    EXPECT_EQ(word.model->call_count(), 8u);
    EXPECT_EQ(word.model->count("Paragraphs.Item"), 1u);
    EXPECT_TRUE(word.model->visible);
}

TEST(FaultInjection, TheKthCallFromNowFailsWithTheGivenErrorAndStillCounts)
{
    OpenWord word("one\n");
    word.model->fail_call(3, "The server threw an exception. ", static_cast<std::int32_t>(0x80010105u));
    auto document = word.app->active_document();
    auto page = document->page_setup();
    try {
        page->set_top_margin(10);
        FAIL() << "no error";
    } catch (const word::EOleException& error) {
        EXPECT_STREQ(error.what(), "The server threw an exception");
        EXPECT_EQ(error.error_code(), static_cast<std::int32_t>(0x80010105u));
        EXPECT_EQ(error.source(), "Microsoft Word");
    }
    EXPECT_EQ(word.document().page_setup.top, 72.0f);  // the failed call did not act
    EXPECT_EQ(word.model->call_count(), 3u);
    EXPECT_EQ(word.model->count("PageSetup.TopMargin"), 1u);
    page->set_top_margin(10);
    EXPECT_EQ(word.document().page_setup.top, 10.0f);
}

TEST(LoadText, MakesOneParagraphPerLine)
{
    const DocumentState document = standin::load_text("标题\r\n\nend");
    ASSERT_EQ(document.paragraphs.size(), 3u);
    EXPECT_EQ(platform::encode_utf8(document.paragraphs[0].text), "标题");
    EXPECT_EQ(document.paragraphs[0].chars.size(), 3u);
    EXPECT_EQ(platform::encode_utf8(document.paragraphs[1].text), "");
    EXPECT_EQ(platform::encode_utf8(document.paragraphs[2].text), "end");
}

TEST(LoadText, AFinalLineEndAddsNoEmptyParagraph)
{
    EXPECT_EQ(standin::load_text("a\n").paragraphs.size(), 1u);
    EXPECT_EQ(standin::load_text("a\r\n").paragraphs.size(), 1u);
    EXPECT_EQ(standin::load_text("a\n\n").paragraphs.size(), 2u);
}

TEST(LoadText, AnEmptyTextIsOneEmptyParagraph)
{
    const DocumentState document = standin::load_text("");
    ASSERT_EQ(document.paragraphs.size(), 1u);
    EXPECT_TRUE(document.paragraphs[0].text.empty());
    EXPECT_EQ(document.paragraphs[0].chars.size(), 1u);
    EXPECT_EQ(standin::load_text("\n").paragraphs.size(), 1u);
}

TEST(Render, ShowsFormatsAndCharacterRuns)
{
    DocumentState document = standin::load_text("标题正文\n");
    auto& paragraph = document.paragraphs[0];
    for (auto& format : paragraph.chars) format = CharFormat{"宋体", 14, 0};
    paragraph.chars[0] = paragraph.chars[1] = CharFormat{"宋体", 18, 1};
    paragraph.format.alignment = word::ParagraphAlignment::center;
    EXPECT_EQ(standin::render(document),
              "page margins: top 72, bottom 72, left 90, right 90\n"
              "paragraph 1: center, first-line indent 0, right indent 0, line spacing single 12, "
              "lines before 0 after 0, space after 0, auto before 0 after 0\n"
              "  [宋体 18 bold]标题[宋体 14]正文¶[宋体 14]\n");
}

TEST(Json, EscapesQuotesBackslashesAndControlCharacters)
{
    auto model = std::make_shared<WordModel>();
    DocumentState document = standin::load_text("say \"hi\"\\\t\x02 中");
    document.paragraphs[0].chars.back().font_name = "A\"B";
    model->open(document);
    const std::string json = standin::to_json(*model);
    EXPECT_NE(json.find(R"("text":"say \"hi\"\\\t\u0002 中")"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("mark":{"font_name":"A\"B","size":10.5,"bold":0})"), std::string::npos) << json;
}

TEST(Json, ListsTheApplicationDocumentsAndParagraphs)
{
    auto model = std::make_shared<WordModel>();
    model->open(standin::load_text("ab\n"));
    model->documents[0].page_setup.top = 70.865f;
    const std::string json = standin::to_json(*model);
    const std::string paragraph_format =
        R"("alignment":0,"line_spacing_rule":0,"line_spacing":12,"space_after":0,"first_line_indent":0,)"
        R"("right_indent":0,"line_unit_before":0,"line_unit_after":0,"space_before_auto":0,)"
        R"("space_after_auto":0,"left_indent":0,"character_unit_first_line_indent":0,)"
        R"("character_unit_left_indent":0,"character_unit_right_indent":0,"list_string":"",)";
    const std::string mark =
        R"("mark":{"font_name":"Times New Roman","size":10.5,"bold":0},"ends_with":"paragraph","table":0})";
    const std::string empty_footer = R"({"text":"","paragraphs":[{"text":"",)" + paragraph_format + R"("runs":[],)" + mark + "]}";
    EXPECT_EQ(json,
              R"({"visible":false,"documents":[{"user_control":true,"selection":{"start":0,"end":0},)"
              R"("page_setup":{"top":70.865,"bottom":72,"left":90,"right":90,"paper_size":2,"page_width":612,)"
              R"("page_height":792,"layout_mode":0,"lines_page":0,"chars_line":0,)"
              R"("odd_and_even_pages_header_footer":0,"different_first_page_header_footer":0,"footer_distance":36},)"
              R"("paragraphs":[{"text":"ab",)" + paragraph_format +
                  R"("runs":[{"text":"ab","font_name":"Times New Roman","size":10.5,"bold":0}],)" + mark +
                  R"(],"sections":[{"footers":{"primary":)" + empty_footer + R"(,"first_page":)" + empty_footer +
                  R"(,"even_pages":)" + empty_footer +
                  R"(},"landscape":false,"page_width":612,"page_height":792,"footer_linked":[false,false,false]}],)"
                  R"("raw_text":"ab\r"}]})");
}

// A document in the stand-in format: a list item with a field, hidden text, a
// content control and a picture; a table of one row, its second cell of two
// paragraphs; a landscape section after a break; a field inside a field's code.
const char* const kMarkedUp =
    "[[一、]]联系{{ HYPERLINK \"mailto:li@example.cn\" |li@example.cn}}{{HIDDEN:注}}{{CC:甲}}{{PICTURE}}\n"
    "| a | b¶c |\n"
    "{{SECTION LANDSCAPE}}\n"
    "{{ IF {{ PAGE |1}} = 1 \"x\" |x}}末\n";

struct MarkedUpWord : OpenWord {
    MarkedUpWord() : OpenWord("")
    {
        model->documents.clear();
        model->open(standin::load_listed_text(kMarkedUp));
    }
};

TEST(MarkedUpDocument, EveryCharacterIsAPositionThatTextShowsAsItsRangeSays)
{
    MarkedUpWord word;
    const auto& paragraphs = word.document().paragraphs;
    ASSERT_EQ(paragraphs.size(), 7u);
    EXPECT_EQ(paragraphs[0].list_string, "一、");
    auto first = word.app->active_document()->paragraphs()->item(1)->range();
    EXPECT_EQ(first->characters()->count(), static_cast<std::int32_t>(paragraphs[0].text.size()) + 1);
    // 联系, the field's begin, code, separator, result and end, 注, the content
    // control's markers around 甲, the picture, the mark.
    EXPECT_EQ(first->end() - first->start(), 2 + 1 + 34 + 1 + 13 + 1 + 1 + 3 + 1 + 1);
    EXPECT_EQ(first->text(), "联系li@example.cn甲\x01\r");
    first->text_retrieval_mode()->set_include_hidden_text(true);
    EXPECT_EQ(first->text(), "联系li@example.cn注甲\x01\r");
    first->text_retrieval_mode()->set_include_field_codes(true);
    EXPECT_EQ(first->text(), "联系\x13 HYPERLINK \"mailto:li@example.cn\" \x14li@example.cn\x15注甲\x01\r");
    // Another Range object of the same text reads as Word's default.
    EXPECT_EQ(word.app->active_document()->paragraphs()->item(1)->range()->text(), "联系li@example.cn甲\x01\r");
    auto last = word.app->active_document()->paragraphs()->last()->range();
    EXPECT_EQ(last->text(), "x末\r");
    last->text_retrieval_mode()->set_include_field_codes(true);
    EXPECT_EQ(last->text(), "\x13 IF \x13 PAGE \x14" "1\x15 = 1 \"x\" \x14x\x15末\r");
    EXPECT_EQ(word.model->count("TextRetrievalMode.IncludeFieldCodes"), 2u);

    const auto json = standin::to_json(*word.model);
    EXPECT_NE(json.find(R"("text":"联系{ HYPERLINK \"mailto:li@example.cn\" |li@example.cn}")"), std::string::npos);
    EXPECT_NE(json.find(R"("text":"注","font_name":"Times New Roman","size":10.5,"bold":0,"hidden":true})"),
              std::string::npos);
    EXPECT_NE(json.find(R"(甲}{PICTURE}",)"), std::string::npos) << json;
}

TEST(MarkedUpDocument, TablesKeepTheirMarksWhenARangeDeletesAcrossThem)
{
    MarkedUpWord word;
    auto tables = word.app->active_document()->tables();
    ASSERT_EQ(tables->count(), 1);
    auto table = tables->item(1)->range();
    EXPECT_EQ(table->text(), "a\r\ab\rc\r\a\r\a");
    table->delete_text(word::Unit::character, 1);
    EXPECT_EQ(word.app->active_document()->tables()->item(1)->range()->text(), "\r\a\r\r\a\r\a");
    EXPECT_EQ(word.document().paragraphs.size(), 7u);
    // A range from the table's last cell into the paragraph after the table.
    word.app->active_document()->range(0, 3)->set_text("");
    const std::int32_t end = word.app->active_document()->tables()->item(1)->range()->end();
    word.app->active_document()->range(end - 3, end + 1)->delete_text(word::Unit::character, 1);
    EXPECT_EQ(word.document().paragraphs.size(), 7u);
    EXPECT_EQ(word.document().paragraphs[4].table, 1);
    EXPECT_EQ(word.document().paragraphs[4].mark, standin::Mark::row_end);
}

}  // namespace
