#include "tests/standin/dump.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "tests/standin/model.h"
#include "tests/standin/story.h"
#include "platform/utf8.h"
#include "word/object_model.h"

namespace standin {

namespace {

std::string number(float value)
{
    if (!std::isfinite(value)) return "null";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

const char* alignment_name(std::int32_t alignment)
{
    switch (alignment) {
    case 0: return "left";
    case 1: return "center";
    case 2: return "right";
    case 3: return "justify";
    case 4: return "distribute";
    case 5: return "justify-medium";
    case 7: return "justify-high";
    case 8: return "justify-low";
    case 9: return "thai-justify";
    default: return "?";
    }
}

const char* line_spacing_rule_name(std::int32_t rule)
{
    switch (rule) {
    case 0: return "single";
    case 1: return "1.5 lines";
    case 2: return "double";
    case 3: return "at least";
    case 4: return "exactly";
    case 5: return "multiple";
    default: return "?";
    }
}

struct Run {
    std::size_t begin;
    std::size_t end;
};

// Consecutive characters of the paragraph's text with equal formats.
std::vector<Run> runs_of(const ParagraphState& paragraph)
{
    std::vector<Run> runs;
    for (std::size_t i = 0; i < paragraph.text.size(); ++i) {
        if (runs.empty() || !(paragraph.chars[i] == paragraph.chars[runs.back().begin]))
            runs.push_back({i, i + 1});
        else
            runs.back().end = i + 1;
    }
    return runs;
}

// The text as shown: every position, a field as "{CODE|RESULT}", a picture
// as "{PICTURE}", a content control as "{CC:TEXT}", hidden text as any.
std::string display(std::u32string_view text)
{
    std::string shown;
    for (const char32_t c : text) {
        switch (c) {
        case kFieldBegin: shown += '{'; break;
        case kFieldSeparator: shown += '|'; break;
        case kFieldEnd: shown += '}'; break;
        case kInlinePicture: shown += "{PICTURE}"; break;
        case kContentControlStart: shown += "{CC:"; break;
        case kContentControlEnd: shown += '}'; break;
        default: platform::append_utf8(shown, c);
        }
    }
    return shown;
}

const char* mark_name(Mark mark)
{
    switch (mark) {
    case Mark::cell_end: return "cell_end";
    case Mark::row_end: return "row_end";
    case Mark::section_break: return "section_break";
    case Mark::paragraph: break;
    }
    return "paragraph";
}

// Every position of the story, marks as Range.Text reads them.
std::string raw_text(const Story& story)
{
    std::u32string text;
    for (const ParagraphState& paragraph : story.paragraphs) {
        text += paragraph.text;
        text += mark_text(paragraph.mark);
    }
    return platform::encode_utf8(text);
}

// A section's page: the document's, width and height swapped when landscape.
std::pair<float, float> page_size(const PageSetupState& page, const SectionState& section)
{
    if (section.landscape) return {page.page_height, page.page_width};
    return {page.page_width, page.page_height};
}

std::string format_label(const CharFormat& format)
{
    std::string label = "[";
    label += format.font_name;
    if (!format.name_far_east.empty()) {
        label += '/';
        label += format.name_far_east;
    }
    label += ' ';
    label += number(format.size);
    if (format.bold != 0) label += " bold";
    if (format.hidden) label += " hidden";
    if (format.color != word::Color::automatic) label += " color " + std::to_string(word::value_of(format.color));
    if (format.underline != word::Underline::none) label += " underline " + std::to_string(word::value_of(format.underline));
    if (format.highlight != word::HighlightColor::none) label += " highlight " + std::to_string(word::value_of(format.highlight));
    return label + "]";
}

void append_json_string(std::string& out, std::string_view text)
{
    out.push_back('"');
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
}

void append_json_format(std::string& out, const CharFormat& format)
{
    out += "\"font_name\":";
    append_json_string(out, format.font_name);
    out += ",\"size\":" + number(format.size) + ",\"bold\":" + std::to_string(format.bold);
    if (!format.name_far_east.empty()) {
        out += ",\"name_far_east\":";
        append_json_string(out, format.name_far_east);
    }
    if (format.hidden) out += ",\"hidden\":true";
    if (format.color != word::Color::automatic) out += ",\"color\":" + std::to_string(word::value_of(format.color));
    if (format.underline != word::Underline::none) out += ",\"underline\":" + std::to_string(word::value_of(format.underline));
    if (format.highlight != word::HighlightColor::none) out += ",\"highlight\":" + std::to_string(word::value_of(format.highlight));
}

std::string border_json(const BorderState& border)
{
    return "{\"line_style\":" + std::to_string(word::value_of(border.line_style)) +
           ",\"line_width\":" + std::to_string(word::value_of(border.line_width)) +
           ",\"color\":" + std::to_string(word::value_of(border.color)) + "}";
}

// What only some paragraphs have, once it differs from a new paragraph's, as
// JSON names and values: the state and the render show the same.
std::vector<std::pair<const char*, std::string>> layout_members(const ParagraphFormatState& f)
{
    const ParagraphFormatState plain;
    std::vector<std::pair<const char*, std::string>> members;
    if (f.space_before != 0) members.emplace_back("space_before", number(f.space_before));
    if (f.page_break_before != 0) members.emplace_back("page_break_before", std::to_string(f.page_break_before));
    if (!(f.border_top == plain.border_top)) members.emplace_back("border_top", border_json(f.border_top));
    if (!(f.border_bottom == plain.border_bottom)) members.emplace_back("border_bottom", border_json(f.border_bottom));
    if (f.border_distance_from_bottom != plain.border_distance_from_bottom)
        members.emplace_back("border_distance_from_bottom", number(f.border_distance_from_bottom));
    if (!f.tab_stops.empty()) {
        std::string stops;
        for (const TabStopState& stop : f.tab_stops)
            stops += std::string(stops.empty() ? "[" : ",") + "{\"position\":" + number(stop.position) +
                     ",\"alignment\":" + std::to_string(word::value_of(stop.alignment)) + "}";
        members.emplace_back("tab_stops", stops + "]");
    }
    return members;
}

void append_json_paragraph(std::string& out, const ParagraphState& paragraph)
{
    const ParagraphFormatState& f = paragraph.format;
    out += "{\"text\":";
    append_json_string(out, display(paragraph.text));
    out += ",\"alignment\":" + std::to_string(word::value_of(f.alignment));
    out += ",\"line_spacing_rule\":" + std::to_string(word::value_of(f.line_spacing_rule));
    out += ",\"line_spacing\":" + number(f.line_spacing);
    out += ",\"space_after\":" + number(f.space_after);
    out += ",\"first_line_indent\":" + number(f.first_line_indent);
    out += ",\"right_indent\":" + number(f.right_indent);
    out += ",\"line_unit_before\":" + number(f.line_unit_before);
    out += ",\"line_unit_after\":" + number(f.line_unit_after);
    out += ",\"space_before_auto\":" + std::to_string(f.space_before_auto);
    out += ",\"space_after_auto\":" + std::to_string(f.space_after_auto);
    out += ",\"left_indent\":" + number(f.left_indent);
    out += ",\"character_unit_first_line_indent\":" + number(f.character_unit_first_line_indent);
    out += ",\"character_unit_left_indent\":" + number(f.character_unit_left_indent);
    out += ",\"character_unit_right_indent\":" + number(f.character_unit_right_indent);
    for (const auto& [name, value] : layout_members(f)) out += std::string(",\"") + name + "\":" + value;
    out += ",\"list_string\":";
    append_json_string(out, paragraph.list_string);
    out += ",\"runs\":[";
    bool first = true;
    for (const Run& run : runs_of(paragraph)) {
        if (!first) out += ",";
        first = false;
        out += "{\"text\":";
        append_json_string(out, display(std::u32string_view(paragraph.text).substr(run.begin, run.end - run.begin)));
        out += ",";
        append_json_format(out, paragraph.chars[run.begin]);
        out += "}";
    }
    out += "],\"mark\":{";
    append_json_format(out, paragraph.chars.back());
    out += "},\"ends_with\":\"";
    out += mark_name(paragraph.mark);
    out += "\",\"table\":" + std::to_string(paragraph.table) + "}";
}

const char* const kFooterNames[3] = {"primary", "first_page", "even_pages"};

void append_json_story(std::string& out, const Story& story)
{
    out += "{\"text\":";
    std::string text;
    for (std::size_t i = 0; i < story.paragraphs.size(); ++i) {
        if (i > 0) text += "\r";
        text += display(story.paragraphs[i].text);
    }
    append_json_string(out, text);
    out += ",\"paragraphs\":[";
    for (std::size_t i = 0; i < story.paragraphs.size(); ++i) {
        if (i > 0) out += ",";
        append_json_paragraph(out, story.paragraphs[i]);
    }
    out += "]}";
}

std::string page_details(const PageSetupState& page)
{
    return "paper " + std::to_string(word::value_of(page.paper_size)) + " " + number(page.page_width) + " x " +
           number(page.page_height) + ", layout mode " + std::to_string(word::value_of(page.layout_mode)) + " " +
           number(page.lines_page) + " lines " + number(page.chars_line) + " characters, odd and even footers " +
           std::to_string(page.odd_and_even_pages_header_footer) + ", different first page " +
           std::to_string(page.different_first_page_header_footer) + ", footer distance " +
           number(page.footer_distance);
}

std::string paragraph_details(const ParagraphState& paragraph)
{
    const ParagraphFormatState& f = paragraph.format;
    std::string out;
    for (const auto& [name, value] : layout_members(f)) out += std::string(", ") + name + " " + value;
    if (f.left_indent != 0) out += ", left indent " + number(f.left_indent);
    if (f.character_unit_first_line_indent != 0 || f.character_unit_left_indent != 0 ||
        f.character_unit_right_indent != 0)
        out += ", indents in characters: first line " + number(f.character_unit_first_line_indent) + " left " +
               number(f.character_unit_left_indent) + " right " + number(f.character_unit_right_indent);
    if (!paragraph.list_string.empty()) out += ", list \"" + paragraph.list_string + "\"";
    if (paragraph.table != 0) out += ", table " + std::to_string(paragraph.table);
    if (paragraph.mark != Mark::paragraph) out += std::string(", ends with ") + mark_name(paragraph.mark);
    return out;
}

std::string render_paragraph(const ParagraphState& paragraph)
{
    std::string out;
    for (const Run& run : runs_of(paragraph)) {
        out += format_label(paragraph.chars[run.begin]);
        out += display(std::u32string_view(paragraph.text).substr(run.begin, run.end - run.begin));
    }
    return out + "¶" + format_label(paragraph.chars.back());
}

}  // namespace

std::string render(const DocumentState& shown)
{
    DocumentState document = shown;
    normalize(document);
    const PageSetupState& page = document.page_setup;
    std::string out = "page margins: top " + number(page.top) + ", bottom " + number(page.bottom) + ", left " +
                      number(page.left) + ", right " + number(page.right) + "\n";
    // The rest of the page setup, once it differs from a new document's.
    PageSetupState margins_only;
    margins_only.top = page.top;
    margins_only.bottom = page.bottom;
    margins_only.left = page.left;
    margins_only.right = page.right;
    if (!(page == margins_only)) out += "page: " + page_details(page) + "\n";
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        const ParagraphState& paragraph = document.paragraphs[i];
        const ParagraphFormatState& f = paragraph.format;
        out += "paragraph " + std::to_string(i + 1) + ": " + alignment_name(word::value_of(f.alignment)) + ", first-line indent " +
               number(f.first_line_indent) + ", right indent " + number(f.right_indent) + ", line spacing " +
               line_spacing_rule_name(word::value_of(f.line_spacing_rule)) + " " + number(f.line_spacing) + ", lines before " +
               number(f.line_unit_before) + " after " + number(f.line_unit_after) + ", space after " +
               number(f.space_after) + ", auto before " + std::to_string(f.space_before_auto) + " after " +
               std::to_string(f.space_after_auto) + paragraph_details(paragraph) + "\n  ";
        out += render_paragraph(paragraph) + "\n";
    }
    // Sections after the first, and footers when there are any.
    for (std::size_t s = 0; s < document.sections.size(); ++s) {
        const SectionState& section = document.sections[s];
        if (s > 0 || section.landscape) {
            const auto [width, height] = page_size(page, section);
            out += "section " + std::to_string(s + 1) + ": " + (section.landscape ? "landscape " : "portrait ") +
                   number(width) + " x " + number(height) + ", footers linked to the previous section:";
            for (std::size_t i = 0; i < 3; ++i)
                if (section.footer_linked[i]) out += std::string(" ") + kFooterNames[i];
            out += "\n";
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const FooterState& footer = section.footers[i];
            if (footer.paragraphs.size() == 1 && footer.paragraphs[0].text.empty()) continue;
            for (const ParagraphState& paragraph : footer.paragraphs) {
                out += "section " + std::to_string(s + 1) + " footer " + kFooterNames[i] + ": " +
                       alignment_name(word::value_of(paragraph.format.alignment)) + paragraph_details(paragraph) + "\n  " +
                       render_paragraph(paragraph) + "\n";
            }
        }
    }
    return out;
}

std::string to_json(const WordModel& model)
{
    std::string out = "{\"visible\":";
    out += model.visible ? "true" : "false";
    out += ",\"documents\":[";
    for (std::size_t d = 0; d < model.documents.size(); ++d) {
        DocumentState document = model.documents[d];
        normalize(document);
        if (d > 0) out += ",";
        out += "{\"user_control\":";
        out += document.user_control ? "true" : "false";
        out += ",\"selection\":{\"start\":" + std::to_string(document.selection_start) +
               ",\"end\":" + std::to_string(document.selection_end) + "}";
        const PageSetupState& page = document.page_setup;
        out += ",\"page_setup\":{\"top\":" + number(page.top) + ",\"bottom\":" + number(page.bottom) +
               ",\"left\":" + number(page.left) + ",\"right\":" + number(page.right) +
               ",\"paper_size\":" + std::to_string(word::value_of(page.paper_size)) + ",\"page_width\":" + number(page.page_width) +
               ",\"page_height\":" + number(page.page_height) + ",\"layout_mode\":" + std::to_string(word::value_of(page.layout_mode)) +
               ",\"lines_page\":" + number(page.lines_page) + ",\"chars_line\":" + number(page.chars_line) +
               ",\"odd_and_even_pages_header_footer\":" + std::to_string(page.odd_and_even_pages_header_footer) +
               ",\"different_first_page_header_footer\":" +
               std::to_string(page.different_first_page_header_footer) +
               ",\"footer_distance\":" + number(page.footer_distance) + "}";
        out += ",\"paragraphs\":[";
        for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
            if (i > 0) out += ",";
            append_json_paragraph(out, document.paragraphs[i]);
        }
        out += "],\"sections\":[";
        for (std::size_t s = 0; s < document.sections.size(); ++s) {
            const SectionState& section = document.sections[s];
            if (s > 0) out += ",";
            out += "{\"footers\":{";
            for (std::size_t i = 0; i < 3; ++i) {
                if (i > 0) out += ",";
                out += '"';
                out += kFooterNames[i];
                out += "\":";
                append_json_story(out, section.footers[i]);
            }
            const auto [width, height] = page_size(page, section);
            out += "},\"landscape\":";
            out += section.landscape ? "true" : "false";
            out += ",\"page_width\":" + number(width) + ",\"page_height\":" + number(height);
            out += ",\"footer_linked\":[";
            for (std::size_t i = 0; i < 3; ++i) {
                if (i > 0) out += ",";
                out += section.footer_linked[i] ? "true" : "false";
            }
            out += "]}";
        }
        out += "],\"raw_text\":";
        append_json_string(out, raw_text(document));
        out += "}";
    }
    out += "]}";
    return out;
}

}  // namespace standin
