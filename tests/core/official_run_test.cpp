// The official-document run on the sample official document, against the
// in-memory stand-in: every point of the standard's layout, a second run,
// missing fonts, failures, and what the run costs.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "tests/standin/dump.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/standin/story.h"
#include "platform/utf8.h"
#include "tests/support/fake_dialog.h"
#include "typeset/official_run.h"
#include "typeset/official_text.h"
#include "word/errors.h"

using standin::CharFormat;
using standin::ParagraphState;

namespace {

std::string sample(const char* name = "official.txt")
{
    std::ifstream file(std::string(TIDYSET_SAMPLES_DIR "/") + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string far_east(const CharFormat& format)
{
    return format.name_far_east.empty() ? format.font_name : format.name_far_east;
}

class OfficialRun : public ::testing::Test {
protected:
    std::shared_ptr<standin::WordModel> model = std::make_shared<standin::WordModel>();
    testing_support::FakeDialog dialog;
    testing_support::FakePlatform platform;

    OfficialRun() { platform.date = {2026, 12, 8}; }

    void run()
    {
        word::WordServers servers{[&] { return standin::connect(model); }};
        typeset::typeset_official_document(dialog, servers, platform);
    }
    const std::vector<ParagraphState>& paragraphs() { return model->active().paragraphs; }
    std::size_t index_of(std::u32string_view text)
    {
        for (std::size_t i = 0; i < paragraphs().size(); ++i)
            if (paragraphs()[i].text.starts_with(text)) return i;
        throw std::runtime_error("no paragraph starts with " + platform::encode_utf8(text));
    }
    const ParagraphState& starting(std::u32string_view text) { return paragraphs()[index_of(text)]; }
    // The characters before `length` in the East Asian font and boldness
    // given, the rest (and the mark) in the body's.
    // A run-in heading whose number Word draws has the number in the
    // mark's font: the mark takes the heading's font too.
    void expect_heading(std::u32string_view start, std::size_t length, const std::string& font, std::int32_t bold,
                        bool numbered_by_word = false)
    {
        const ParagraphState& paragraph = starting(start);
        for (std::size_t i = 0; i < paragraph.chars.size(); ++i) {
            const bool heading = i < length || (numbered_by_word && i + 1 == paragraph.chars.size());
            EXPECT_EQ(far_east(paragraph.chars[i]), heading ? font : "仿宋_GB2312") << platform::encode_utf8(start) << i;
            EXPECT_EQ(paragraph.chars[i].bold, heading ? bold : 0) << platform::encode_utf8(start) << i;
        }
    }
};

TEST_F(OfficialRun, LaysTheSampleDocumentOutToTheStandardOnceAndForAll)
{
    model->open(standin::load_text(sample()));
    const std::string before = standin::render(model->active());
    run();
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0].text, "自动排版完成。用时：2.531秒\n已识别：标题（1 行）、主送机关");
    EXPECT_EQ(dialog.progress, 0);
    EXPECT_EQ(dialog.progress_history, (std::vector<std::int16_t>{20, 40, 60, 80, 100, 0}));
    const standin::DocumentState& document = model->active();

    // 1. A4, the margins, the 22 × 28 grid, exact line spacing everywhere.
    const auto& page = document.page_setup;
    EXPECT_EQ(page.paper_size, word::PaperSize::a4);
    EXPECT_FLOAT_EQ(page.page_width, 595.3f);
    EXPECT_FLOAT_EQ(page.top, 3.7f * 28.346f);
    EXPECT_FLOAT_EQ(page.bottom, 3.5f * 28.346f);
    EXPECT_FLOAT_EQ(page.left, 2.8f * 28.346f);
    EXPECT_FLOAT_EQ(page.right, 2.6f * 28.346f);
    EXPECT_EQ(page.layout_mode, word::LayoutMode::grid);
    EXPECT_EQ(page.lines_page, 22);
    EXPECT_EQ(page.chars_line, 28);
    for (const ParagraphState& paragraph : paragraphs()) {
        EXPECT_EQ(paragraph.format.line_spacing_rule, word::LineSpacingRule::exactly);
        EXPECT_FLOAT_EQ(paragraph.format.line_spacing, 28.95f);
        // 6. Latin letters and digits in the Western font everywhere.
        for (const CharFormat& format : paragraph.chars) EXPECT_EQ(format.font_name, "Times New Roman");
    }

    // 2. The title, and one empty line under it.
    const ParagraphState& title = paragraphs()[0];
    EXPECT_EQ(title.text, U"关于做好2027年元旦春节期间安全生产工作的通知");
    EXPECT_EQ(title.format.alignment, word::ParagraphAlignment::center);
    EXPECT_EQ(title.format.character_unit_first_line_indent, 0);
    for (const CharFormat& format : title.chars) EXPECT_EQ(format, (CharFormat{"Times New Roman", 22, 0, "方正小标宋简体"}));
    EXPECT_TRUE(paragraphs()[1].text.empty());

    // 3. The addressee flush left.
    const ParagraphState& addressee = paragraphs()[2];
    EXPECT_EQ(addressee.text, U"各区县人民政府，市政府各部门：");
    EXPECT_EQ(addressee.format.alignment, word::ParagraphAlignment::left);
    EXPECT_EQ(addressee.format.character_unit_first_line_indent, 0);
    EXPECT_EQ(addressee.format.first_line_indent, 0);

    // 4. The body: 三号 仿宋_GB2312, two characters in, justified.
    const ParagraphState& body = starting(U"节日期间");
    EXPECT_EQ(body.format.alignment, word::ParagraphAlignment::justify);
    EXPECT_EQ(body.format.character_unit_first_line_indent, 2);
    for (const CharFormat& format : body.chars) EXPECT_EQ(format, (CharFormat{"Times New Roman", 16, 0, "仿宋_GB2312"}));
    const ParagraphState& latin = starting(U"利用LED屏");  // "1.5倍" within it is no heading
    for (const CharFormat& format : latin.chars) EXPECT_EQ(format, (CharFormat{"Times New Roman", 16, 0, "仿宋_GB2312"}));

    // 5. Headings: the heading's font up to the first "。" when text follows,
    // the body's indent and spacing kept.
    expect_heading(U"一、提高思想认识", 9, "黑体", 0);
    expect_heading(U"二、加强督促检查", 9, "黑体", 0);
    expect_heading(U"（一）压实安全责任。", 10, "楷体_GB2312", 0);
    expect_heading(U"（二）强化宣传教育", 10, "楷体_GB2312", 0);
    expect_heading(U"1.开展隐患排查。", 9, "仿宋_GB2312", 1);
    expect_heading(U"2．加强应急值守。", 9, "仿宋_GB2312", 1);
    expect_heading(U"（1）建立台账。", 0, "仿宋_GB2312", 0);
    expect_heading(U"(2)跟踪督办。", 0, "仿宋_GB2312", 0);
    EXPECT_EQ(starting(U"一、").format, body.format);
    EXPECT_EQ(starting(U"1.开展").format, body.format);
    EXPECT_EQ(typeset::heading_level(U"1.5倍的单位"), typeset::HeadingLevel::none);

    // 7. and 9. No trailing blanks; the sign-off after one empty line: the
    // date (6.5 characters wide) is longer than the name (7) less two, so the
    // date stands two characters in and the name 3.5.
    const auto count = paragraphs().size();
    EXPECT_EQ(paragraphs()[count - 4].text, U"市安委会办公室将组织5个督查组，于2027年1月10日至1月25日开展明查暗访，结果在全市通报。");
    EXPECT_TRUE(paragraphs()[count - 3].text.empty());
    const ParagraphState& organ = paragraphs()[count - 2];
    const ParagraphState& date = paragraphs()[count - 1];
    EXPECT_EQ(organ.text, U"此处写发文机关");
    EXPECT_EQ(date.text, U"2026年12月8日");
    for (const ParagraphState* line : {&organ, &date}) {
        EXPECT_EQ(line->format.alignment, word::ParagraphAlignment::right);
        EXPECT_EQ(line->format.character_unit_first_line_indent, 0);
    }
    EXPECT_EQ(organ.format.character_unit_right_indent, 3.5f);
    EXPECT_EQ(date.format.character_unit_right_indent, 2);

    // 8. Page numbers "— 1 —": odd pages one character in from the right,
    // even pages one in from the left, the number line 7 mm under the type area.
    EXPECT_EQ(page.odd_and_even_pages_header_footer, word::wdTrue);
    EXPECT_EQ(page.different_first_page_header_footer, 0);
    EXPECT_NEAR(page.footer_distance, page.bottom - 19.84f - 14, 0.01f);
    ASSERT_EQ(document.sections.size(), 1u);
    const auto& odd = document.sections[0].footers[standin::footer_slot(word::HeaderFooterIndex::primary)].paragraphs;
    const auto& even = document.sections[0].footers[standin::footer_slot(word::HeaderFooterIndex::even_pages)].paragraphs;
    ASSERT_EQ(odd.size(), 1u);
    ASSERT_EQ(even.size(), 1u);
    const std::u32string number = U"— " + standin::field_text(U" PAGE ", U"1") + U" —";
    EXPECT_EQ(odd[0].text, number);
    EXPECT_EQ(even[0].text, number);
    EXPECT_EQ(odd[0].format.alignment, word::ParagraphAlignment::right);
    EXPECT_EQ(odd[0].format.character_unit_right_indent, 1);
    EXPECT_EQ(even[0].format.alignment, word::ParagraphAlignment::left);
    EXPECT_EQ(even[0].format.character_unit_left_indent, 1);
    for (const auto* footer : {&odd, &even})
        for (const CharFormat& format : (*footer)[0].chars) EXPECT_EQ(format, (CharFormat{"宋体", 14, 0}));

    // One undo step, and a second run adds nothing, moves nothing.
    EXPECT_EQ(document.undo_steps.size(), 1u);
    const std::string first = standin::to_json(*model);
    run();
    EXPECT_EQ(standin::to_json(*model), first);
    EXPECT_EQ(model->active().undo_steps.size(), 1u);
    // Ctrl+Z once in Word takes it all back, footers and page included.
    EXPECT_TRUE(model->undo(model->active_document()));
    EXPECT_EQ(standin::render(model->active()), before);
}

TEST_F(OfficialRun, NamesSubstituteFontsReadsListNumberingAndDatesWithoutAnOrgan)
{
    model->open(standin::load_listed_text(
        "通知\n各单位：\n[[一、]]总体要求\n[[（一）]]细化措施。各单位要抓好落实。\n1.5倍于去年。\n"
        "\u3000\u3000\n"));
    dialog.missing_fonts = {"方正小标宋简体", "楷体_GB2312"};
    dialog.fonts[typeset::FontCombo::gwBtFontName] = "华文中宋";
    dialog.fonts[typeset::FontCombo::gwEjFontName] = "楷体";
    // A Chinese font for Latin letters must not become the Chinese text's.
    dialog.fonts[typeset::FontCombo::gwXwFontName] = "宋体";
    dialog.edits[typeset::Edit::gwFwjg] = "";
    run();
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0].text, "自动排版完成。用时：2.531秒\n已识别：标题（1 行）、主送机关\n未安装方正小标宋简体，已用华文中宋\n未安装楷体_GB2312，已用楷体");
    EXPECT_EQ(far_east(paragraphs()[0].chars[0]), "华文中宋");
    expect_heading(U"总体要求", 5, "黑体", 0);
    expect_heading(U"细化措施。", 5, "楷体", 0, true);
    expect_heading(U"1.5倍", 0, "仿宋_GB2312", 0);
    EXPECT_EQ(starting(U"1.5倍").chars[0].font_name, "宋体");

    // Without an organ's name the date alone, two characters in, once; the
    // blank of full-width spaces at the end is gone.
    const auto count = paragraphs().size();
    EXPECT_TRUE(paragraphs()[count - 2].text.empty());
    EXPECT_EQ(paragraphs()[count - 1].text, U"2026年12月8日");
    EXPECT_EQ(paragraphs()[count - 1].format.character_unit_right_indent, 2);
    run();
    EXPECT_EQ(paragraphs().size(), count);
}

// The full sample's layout, clause by clause, is read through the screen in
// the official sessions; here, what needs Word's pagination or a second
// setting of the page.
TEST_F(OfficialRun, KeepsTheImprintAtTheFootOfTheLastPageAndTheThirdLevelPlainWhenAsked)
{
    model->open(standin::load_listed_text(sample("official-full.txt")));
    run();
    ASSERT_EQ(dialog.messages.size(), 1u);
    // The imprint pushed down, its last line on the type area's bottom edge.
    const float line = 28.95f;
    EXPECT_GT(starting(U"抄送：").format.space_before, line);
    const auto end = standin::story_length(model->active()) - 1;
    const auto last_line = standin::connect(model)->active_document()->range(end, end);
    EXPECT_NEAR(last_line->information(word::Information::vertical_position_relative_to_page) + line + 2,
                841.9f - 3.5f * 28.346f, 0.01f);
    expect_heading(U"1.开展隐患排查。", 9, "仿宋_GB2312", 1);

    model->open(standin::load_listed_text(sample("official-full.txt")));
    dialog.boxes[typeset::CheckBox::gwSjjc] = false;
    run();
    expect_heading(U"1.开展隐患排查。", 0, "仿宋_GB2312", 0);
}

TEST_F(OfficialRun, PlacesANewSignOffAboveTheAttachmentsAndNamesFontsWordWillReplace)
{
    model->open(standin::load_listed_text(
        "某某局文件\n某发〔2026〕3号  签发人：张三\n关于报送材料的请示\n市政府：\n请予审定。\n附件：材料清单\n"
        "（联系人：李四）\n附件\n材料清单\n"));
    dialog.missing_fonts = {"仿宋_GB2312", "仿宋", "华文仿宋"};
    dialog.edits[typeset::Edit::gwFwjg] = "某某局";
    run();
    EXPECT_EQ(dialog.messages[0].text, "自动排版完成。用时：2.531秒\n已识别：版头、标题（1 行）、主送机关、附件说明、附注、附件\n"
                                       "未安装仿宋_GB2312、仿宋、华文仿宋，Word 将替换显示");
    EXPECT_EQ(far_east(starting(U"请予审定").chars[0]), "仿宋_GB2312");
    // The number one character in, 签发人 at a right tab stop, its name in 楷体.
    const ParagraphState& number = starting(U"某发");
    EXPECT_EQ(number.text, U"某发〔2026〕3号\t签发人：张三");
    const auto& f = number.format;
    EXPECT_EQ(std::tuple(f.alignment, f.character_unit_left_indent, f.character_unit_first_line_indent, f.first_line_indent,
                         f.character_unit_right_indent),
              std::tuple(word::ParagraphAlignment::left, 1.f, 0.f, 0.f, 1.f));
    ASSERT_EQ(number.format.tab_stops.size(), 1u);
    EXPECT_NEAR(number.format.tab_stops[0].position, 595.3f - 5.4f * 28.346f - 16, 0.01f);
    EXPECT_EQ(far_east(number.chars.at(number.text.size() - 1)), "楷体_GB2312");
    EXPECT_EQ(far_east(number.chars.at(number.text.size() - 4)), "仿宋_GB2312");
    // The sign-off under the note, above the annotation, after an empty line.
    const std::size_t date = index_of(U"2026年12月8日");
    EXPECT_EQ(paragraphs()[date - 1].text, U"某某局");
    EXPECT_TRUE(paragraphs()[date - 2].text.empty());
    EXPECT_EQ(paragraphs()[date - 3].text, U"附件：材料清单");
    EXPECT_EQ(paragraphs()[date + 1].text, U"（联系人：李四）");
    const std::size_t count = paragraphs().size();
    run();
    EXPECT_EQ(paragraphs().size(), count);
}

TEST(OfficialText, ReadsHeadingsDatesAndSignOffWidths)
{
    using typeset::HeadingLevel;
    const std::pair<std::u32string, HeadingLevel> levels[] = {
        {U"一、总体要求", HeadingLevel::one},       {U"十二、其他", HeadingLevel::one},
        {U"\u3000\u3000三、保障", HeadingLevel::one}, {U"一是加强领导", HeadingLevel::none},
        {U"（一）工作目标", HeadingLevel::two},     {U"(十)其他", HeadingLevel::two},
        {U"（一工作", HeadingLevel::none},          {U"1.时间安排", HeadingLevel::three},
        {U"12．分工", HeadingLevel::three},         {U"１．全角数字", HeadingLevel::three},
        {U"1.5倍", HeadingLevel::none},             {U"2027年工作", HeadingLevel::none},
        {U"（1）第一阶段", HeadingLevel::four},     {U"(12)其他", HeadingLevel::four},
        {U"", HeadingLevel::none},                  {U"１．５倍", HeadingLevel::none},
        {U"一、二〇二七年工作安排", HeadingLevel::one}, {U"三、一季度工作回顾", HeadingLevel::one},
    };
    for (const auto& [text, level] : levels) EXPECT_EQ(typeset::heading_level(text), level) << platform::encode_utf8(text);

    const auto paragraphs = typeset::split_paragraphs("标题\r一、要求。正文。\r（一）目标。\r");
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_EQ(paragraphs[1].start, 3);
    EXPECT_EQ(typeset::heading_extent(paragraphs[1]), 5);   // up to the first "。"
    EXPECT_EQ(typeset::heading_extent(paragraphs[2]), 7);   // the whole paragraph and its mark

    for (const std::u32string_view date : {U"2026年12月8日", U" 2027年1月5日 ", U"二〇二六年十二月三十一日"})
        EXPECT_TRUE(typeset::is_date_line(date)) << platform::encode_utf8(date);
    for (const std::u32string_view other : {U"2027年1月10日至1月25日", U"20271年1月5日", U"2026年123月8日", U"2026年13月8日",
                                           U"2026年12月32日", U"二〇二六年十三月八日", U"2026年十二月八日"})
        EXPECT_FALSE(typeset::is_date_line(other)) << platform::encode_utf8(other);

    // A long name: two characters from the edge, the date under its third
    // character; a short one: the date two from the edge, the name moved.
    const auto long_name = typeset::sign_off_indents(U"某某市人民政府办公室", U"2026年12月8日");
    EXPECT_EQ(long_name.name, 2);
    EXPECT_EQ(long_name.date, 3.5f);
    const auto short_name = typeset::sign_off_indents(U"某某局", U"2026年12月8日");
    EXPECT_EQ(short_name.date, 2);
    EXPECT_EQ(short_name.name, 7.5f);
    // Blanks typed around the lines do not move them.
    const auto padded = typeset::sign_off_indents(U"某某局\u3000", U"2026年12月8日 \u3000\u3000");
    EXPECT_EQ(padded.name, short_name.name);
    EXPECT_EQ(padded.date, short_name.date);
}

TEST_F(OfficialRun, AFailureAtAnyCallHandsTheDocumentBack)
{
    const std::string text = sample();
    model->open(standin::load_text(text));
    run();
    const std::size_t whole_run = model->call_count();
    ASSERT_GT(whole_run, 80u);
    for (std::size_t k = 1; k <= whole_run; ++k) {
        model = std::make_shared<standin::WordModel>();
        model->open(standin::load_text(text));
        model->fail_call(k, "Injected", static_cast<std::int32_t>(0x800A1745u));
        dialog = {};
        bool failed = false;
        try {
            run();
        } catch (const word::EOleException&) {
            failed = true;
        }
        // A run that can do without the call says what it left out.
        EXPECT_TRUE(failed || (!dialog.messages.empty() &&
                               dialog.messages.back().text.find("\nWord 不支持：") != std::string::npos))
            << "at call " << k << " " << model->calls[k - 1];
        EXPECT_TRUE(model->active().user_control) << "at call " << k;
        EXPECT_TRUE(model->screen_updating) << "at call " << k;
        EXPECT_FALSE(model->recording_custom_record()) << "at call " << k;
        EXPECT_TRUE(dialog.button_enabled) << "at call " << k;
        EXPECT_EQ(dialog.progress, 0) << "at call " << k;
        EXPECT_LE(model->active().undo_steps.size(), 1u) << "at call " << k;
    }
}

TEST_F(OfficialRun, CostsTheSameForTenTimesTheBody)
{
    const auto calls_for = [&](int body_paragraphs) {
        std::string text = "关于开展检查的通知\n各单位：\n一、总体要求\n（一）工作目标。要求如下。\n1.时间安排\n（1）第一阶段\n";
        for (int i = 0; i < body_paragraphs; ++i) text += "正文第" + std::to_string(i) + "段，涉及ABC项目。\n";
        text += "\n\n";
        model = std::make_shared<standin::WordModel>();
        model->open(standin::load_text(text));
        run();
        return model->call_count();
    };
    const std::size_t few = calls_for(20);
    EXPECT_EQ(calls_for(200), few);
    EXPECT_LT(few, 140u);
}

}  // namespace

// A WPS Writer that lacks some of Word's members and refuses a value: the
// run does the rest, in points where characters are missing, is still one
// undo step, and says what it left out.
TEST_F(OfficialRun, AServerLackingOrRefusingMembersGetsEveryOtherPointAndTheNearestEquivalents)
{
    model->application_name = "WPS 文字";
    model->lacking = {"NameFarEast", "CharacterUnitFirstLineIndent", "Fields"};
    model->refused = {"LinesPage"};
    model->open(standin::load_text(sample()));
    run();
    ASSERT_EQ(dialog.messages.size(), 1u);
    const std::string& message = dialog.messages[0].text;
    EXPECT_NE(message.find("\nWPS 文字不支持：页码、文档网格，已跳过"), std::string::npos) << message;
    EXPECT_NE(message.find("\nWPS 文字不支持：按字符缩进、单独设置中文字体，已改用按磅值缩进、西文也用中文字体"),
              std::string::npos) << message;
    EXPECT_EQ(model->active().undo_steps.size(), 1u);
    EXPECT_EQ(model->active().page_setup.paper_size, word::PaperSize::a4);
    // 2 characters of a 16 pt body.
    const ParagraphState& body = starting(U"为切实做好");
    EXPECT_EQ(body.format.first_line_indent, 32);
    EXPECT_EQ(body.format.character_unit_first_line_indent, 0);
    EXPECT_EQ(far_east(body.chars[0]), "仿宋_GB2312");
    EXPECT_EQ(body.chars[0].font_name, "仿宋_GB2312");
    EXPECT_EQ(far_east(paragraphs()[0].chars[0]), "方正小标宋简体");
    EXPECT_EQ(paragraphs().back().format.alignment, word::ParagraphAlignment::right);
    EXPECT_GT(paragraphs().back().format.right_indent, 0);
    EXPECT_EQ(model->active().sections[0].footers[0].paragraphs.size(), 1u);
    EXPECT_TRUE(model->active().sections[0].footers[0].paragraphs[0].text.empty());
}

TEST_F(OfficialRun, AServerLackingARequiredMemberIsToldBeforeAnyChange)
{
    model->application_name = "WPS 文字";
    model->lacking = {"Paragraphs"};
    model->open(standin::load_text(sample()));
    const std::string before = standin::to_json(*model);
    run();
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0].text, "当前的文字处理程序（WPS 文字）不支持 Document.Paragraphs，无法排版。");
    EXPECT_EQ(standin::to_json(*model), before);
    EXPECT_TRUE(model->calls.empty());
    EXPECT_TRUE(dialog.button_enabled);
}
