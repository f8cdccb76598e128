#include "tests/standin/model.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "tests/standin/layout.h"
#include "tests/standin/story.h"
#include "platform/utf8.h"
#include "word/object_model.h"

namespace standin {

namespace {

[[noreturn]] void out_of_range() { throw WordError(out_of_range_text, hresult_out_of_range); }

void require_measure(float value, float lowest, float highest)
{
    if (!std::isfinite(value) || value < lowest || value > highest) out_of_range();
}

std::int32_t clamp_position(const Story& document, std::int32_t position)
{
    return std::clamp(position, 0, story_length(document));
}

struct Span {
    std::int32_t start;
    std::int32_t end;
};

Span clamp_span(const Story& document, const RangeRef& range)
{
    const std::int32_t start = clamp_position(document, range.start);
    return {start, std::max(start, clamp_position(document, range.end))};
}

// The paragraphs a range touches; a collapsed range: the one it is in.
ParagraphSpan touched(const Story& document, Span span)
{
    const std::size_t first = locate(document, span.start).paragraph;
    return {first, span.end > span.start ? locate(document, span.end - 1).paragraph : first};
}

struct Line {
    std::int32_t start;  // story positions
    std::int32_t end;    // before the next line, or at the paragraph mark
};

// The layout line holding a position. At_line_end prefers the line that ends
// at a soft line break over the one starting there, as Word does for an
// extended selection that reaches the end of a line.
Line line_at(const DocumentState& document, std::int32_t position, bool at_line_end)
{
    const StoryPosition at = locate(document, position);
    const ParagraphState& paragraph = document.paragraphs[at.paragraph];
    const std::int32_t base = paragraph_start(document, at.paragraph);
    const std::vector<std::int32_t> starts = line_starts(paragraph, document.page_setup);
    std::size_t line = 0;
    while (line + 1 < starts.size() && starts[line + 1] <= at.offset) ++line;
    if (at_line_end && line > 0 && starts[line] == at.offset) --line;
    const std::int32_t end =
        line + 1 < starts.size() ? starts[line + 1] : static_cast<std::int32_t>(paragraph.text.size());
    return {base + starts[line], base + end};
}

KeptParagraph keep(const ParagraphState& paragraph)
{
    KeptParagraph kept{paragraph.text, {}, paragraph.format, paragraph.list_string, paragraph.mark, paragraph.table};
    for (const CharFormat& format : paragraph.chars) {
        if (!kept.runs.empty() && kept.runs.back().second == format) {
            ++kept.runs.back().first;
        } else {
            kept.runs.emplace_back(1, format);
        }
    }
    return kept;
}

ParagraphState restore(const KeptParagraph& kept)
{
    ParagraphState paragraph{kept.text, {}, kept.format, kept.list_string, kept.mark, kept.table};
    for (const auto& [length, format] : kept.runs) paragraph.chars.insert(paragraph.chars.end(), length, format);
    return paragraph;
}

bool same(const KeptParagraph& kept, const ParagraphState& paragraph)
{
    if (kept.text != paragraph.text || !(kept.format == paragraph.format) || kept.list_string != paragraph.list_string ||
        kept.mark != paragraph.mark || kept.table != paragraph.table)
        return false;
    std::size_t at = 0;
    for (const auto& [length, format] : kept.runs) {
        for (std::size_t i = 0; i < length; ++i, ++at)
            if (at >= paragraph.chars.size() || !(paragraph.chars[at] == format)) return false;
    }
    return at == paragraph.chars.size();
}

float line_height(const ParagraphState& paragraph)
{
    const ParagraphFormatState& f = paragraph.format;
    if (f.line_spacing_rule == word::LineSpacingRule::exactly) return f.line_spacing;
    float size = 0;
    for (const CharFormat& format : paragraph.chars) size = std::max(size, format.size);
    const float single = size * 1.2f;
    switch (word::value_of(f.line_spacing_rule)) {
    case 1: return single * 1.5f;
    case 2: return single * 2;
    case 3: return std::max(single, f.line_spacing);  // at least
    case 5: return single * f.line_spacing / 12;      // multiple
    default: return single;
    }
}

void require_unit(word::Unit unit, word::Movement movement)
{
    if (unit != word::Unit::story && unit != word::Unit::line) out_of_range();
    if (movement != word::Movement::move && movement != word::Movement::extend) out_of_range();
}

}  // namespace

DocumentState& WordModel::active()
{
    return document(active_document());
}

void WordModel::open(DocumentState opened)
{
    normalize(opened);
    documents.push_back(std::move(opened));
}

void WordModel::call(const char* member)
{
    calls.emplace_back(member);
    ++total_calls_;
    const std::string_view name(member);
    if (refused.contains(name.substr(name.find('.') + 1))) throw WordError(refused_text, hresult_refused);
    const auto fault = std::find_if(faults_.begin(), faults_.end(),
                                    [&](const Fault& f) { return f.call_number == total_calls_; });
    if (fault == faults_.end()) return;
    WordError error(std::move(fault->description), fault->hresult);
    faults_.erase(fault);
    throw error;
}

std::size_t WordModel::count(std::string_view member) const
{
    return static_cast<std::size_t>(std::count(calls.begin(), calls.end(), member));
}

void WordModel::fail_call(std::size_t k, std::string description, std::int32_t hresult)
{
    faults_.push_back({total_calls_ + k, std::move(description), hresult});
}

std::int32_t WordModel::document_count() const
{
    return static_cast<std::int32_t>(documents.size());
}

DocumentId WordModel::active_document() const
{
    if (documents.empty()) throw WordError(no_document_text, hresult_no_document);
    return documents.size() - 1;
}

void WordModel::start_custom_record(std::string_view name)
{
    if (record_depth_++ > 0) return;
    record_has_document_ = !documents.empty();
    if (!record_has_document_) return;
    record_document_ = active_document();
    const DocumentState& before = document(record_document_);
    record_ = UndoStep{std::string(name), {}, before.page_setup, before.sections};
    record_.paragraphs.reserve(before.paragraphs.size());
    for (const ParagraphState& paragraph : before.paragraphs) record_.paragraphs.push_back(keep(paragraph));
}

void WordModel::end_custom_record()
{
    if (record_depth_ == 0 || --record_depth_ > 0) return;
    // A record without changes, or whose document was closed, leaves no step.
    if (!record_has_document_ || record_document_ >= documents.size()) return;
    DocumentState& after = document(record_document_);
    const bool unchanged =
        after.page_setup == record_.page_setup && after.sections == record_.sections &&
        after.paragraphs.size() == record_.paragraphs.size() &&
        std::equal(record_.paragraphs.begin(), record_.paragraphs.end(), after.paragraphs.begin(), same);
    if (unchanged) return;
    after.undo_steps.push_back(std::move(record_));
    record_ = {};
}

bool WordModel::undo(DocumentId id)
{
    DocumentState& undone = document(id);
    if (undone.undo_steps.empty()) return false;
    UndoStep& step = undone.undo_steps.back();
    undone.paragraphs.clear();
    for (const KeptParagraph& kept : step.paragraphs) undone.paragraphs.push_back(restore(kept));
    undone.page_setup = step.page_setup;
    undone.sections = step.sections;
    undone.undo_steps.pop_back();
    const std::int32_t length = story_length(undone);
    undone.selection_start = std::min(undone.selection_start, length);
    undone.selection_end = std::min(undone.selection_end, length);
    return true;
}

std::int32_t WordModel::erase_in(const RangeRef& range, std::int32_t from, std::int32_t to)
{
    if (range.story == 0) return erase(document(range.document), from, to);
    return erase(story(range), from, to);
}

void WordModel::require_section(DocumentId id, std::int32_t section)
{
    if (section < 1 || section > section_count(id)) throw WordError(no_such_member_text, hresult_no_such_member);
}

Story& WordModel::story(const RangeRef& range)
{
    DocumentState& found = document(range.document);
    if (range.story == 0) return found;
    const auto number = static_cast<std::size_t>(range.story - 1);
    if (number / 3 >= found.sections.size()) throw WordError(object_deleted_text, hresult_object_deleted);
    return found.sections[number / 3].footers[number % 3];
}

DocumentState& WordModel::document(DocumentId id)
{
    // Tests may replace the documents under objects that still refer to them.
    if (id >= documents.size()) throw WordError(object_deleted_text, hresult_object_deleted);
    DocumentState& found = documents[id];
    normalize(found);
    return found;
}

void WordModel::set_user_control(DocumentId id, bool user_control)
{
    document(id).user_control = user_control;
}

RangeRef WordModel::whole_story(DocumentId id)
{
    return {id, 0, story_length(document(id))};
}

void WordModel::set_margin(DocumentId id, Margin margin, float points)
{
    PageSetupState& page = document(id).page_setup;
    switch (margin) {
    case Margin::top:
        require_measure(points, -1584, 1584);
        page.top = points;
        break;
    case Margin::bottom:
        require_measure(points, -1584, 1584);
        page.bottom = points;
        break;
    case Margin::left:
        require_measure(points, 0, 1584);
        page.left = points;
        break;
    case Margin::right:
        require_measure(points, 0, 1584);
        page.right = points;
        break;
    }
}

void WordModel::set_page_setting(DocumentId id, PageSetting setting, std::int32_t value)
{
    PageSetupState& page = document(id).page_setup;
    switch (setting) {
    case PageSetting::paper_size:
        // A landscape section stays landscape: its flag swaps whatever size
        // the page has (Word's reference does not say what it does here).
        if (value < 0 || value > 41) out_of_range();
        page.paper_size = static_cast<word::PaperSize>(value);
        if (page.paper_size == word::PaperSize::a4) {
            page.page_width = 595.3f;
            page.page_height = 841.9f;
        } else if (page.paper_size == word::PaperSize::letter) {
            page.page_width = 612;
            page.page_height = 792;
        }
        break;
    case PageSetting::layout_mode:
        if (value < 0 || value > 3) out_of_range();
        page.layout_mode = static_cast<word::LayoutMode>(value);
        break;
    case PageSetting::odd_and_even_pages_header_footer: page.odd_and_even_pages_header_footer = value; break;
    case PageSetting::different_first_page_header_footer: page.different_first_page_header_footer = value; break;
    }
}

void WordModel::set_page_measure(DocumentId id, PageMeasure measure, float value)
{
    PageSetupState& page = document(id).page_setup;
    switch (measure) {
    case PageMeasure::lines_page:
        require_measure(value, 1, 200);
        page.lines_page = value;
        break;
    case PageMeasure::chars_line:
        require_measure(value, 1, 200);
        page.chars_line = value;
        break;
    case PageMeasure::footer_distance:
        require_measure(value, 0, 1584);
        page.footer_distance = value;
        break;
    }
}

RangeRef WordModel::footer_range(DocumentId id, std::int32_t section, word::HeaderFooterIndex index)
{
    footer_linked(id, section, index);
    const DocumentState& found = document(id);
    const std::size_t slot = footer_slot(index);
    while (section > 1 && found.sections[static_cast<std::size_t>(section - 1)].footer_linked[slot]) --section;
    RangeRef range{id, 0, 0, footer_story(section, index)};
    range.end = story_length(story(range));
    return range;
}

bool WordModel::footer_linked(DocumentId id, std::int32_t section, word::HeaderFooterIndex index)
{
    require_section(id, section);
    if (index != word::HeaderFooterIndex::primary && index != word::HeaderFooterIndex::first_page &&
        index != word::HeaderFooterIndex::even_pages)
        out_of_range();
    return document(id).sections[static_cast<std::size_t>(section - 1)].footer_linked[footer_slot(index)];
}

std::int32_t WordModel::section_count(DocumentId id)
{
    return static_cast<std::int32_t>(document(id).sections.size());
}

RangeRef WordModel::section_range(DocumentId id, std::int32_t section)
{
    require_section(id, section);
    const DocumentState& found = document(id);
    const ParagraphSpan span = sections_of(found)[static_cast<std::size_t>(section - 1)];
    const std::int32_t start = paragraph_start(found, span.first);
    return {id, start, paragraph_start(found, span.last + 1)};
}

std::int32_t WordModel::table_count(DocumentId id)
{
    return static_cast<std::int32_t>(tables_of(document(id)).size());
}

RangeRef WordModel::table_range(DocumentId id, std::int32_t table)
{
    const DocumentState& found = document(id);
    const std::vector<ParagraphSpan> tables = tables_of(found);
    if (table < 1 || static_cast<std::size_t>(table) > tables.size())
        throw WordError(no_such_member_text, hresult_no_such_member);
    const ParagraphSpan span = tables[static_cast<std::size_t>(table - 1)];
    return {id, paragraph_start(found, span.first), paragraph_start(found, span.last + 1)};
}

std::vector<std::int32_t> WordModel::list_paragraphs(DocumentId id)
{
    std::vector<std::int32_t> indexes;
    const DocumentState& found = document(id);
    for (std::size_t i = 0; i < found.paragraphs.size(); ++i)
        if (!found.paragraphs[i].list_string.empty()) indexes.push_back(static_cast<std::int32_t>(i + 1));
    return indexes;
}

std::int32_t WordModel::paragraph_count(DocumentId id)
{
    return static_cast<std::int32_t>(document(id).paragraphs.size());
}

ParagraphRef WordModel::paragraph(DocumentId id, std::int32_t index)
{
    if (index < 1 || index > paragraph_count(id)) throw WordError(no_such_member_text, hresult_no_such_member);
    return {id, index};
}

ParagraphRef WordModel::last_paragraph(DocumentId id)
{
    return {id, paragraph_count(id)};
}

ParagraphRef WordModel::previous_paragraph(const ParagraphRef& ref, std::int32_t count)
{
    paragraph(ref.document, ref.index);
    if (count < 0) out_of_range();
    return paragraph(ref.document, ref.index - count);
}

RangeRef WordModel::range_between(DocumentId id, std::int32_t start, std::int32_t end)
{
    if (start < 0 || end < start || end > story_length(document(id))) out_of_range();
    return {id, start, end};
}

RangeRef WordModel::paragraph_range(const ParagraphRef& ref)
{
    paragraph(ref.document, ref.index);
    const DocumentState& found = document(ref.document);
    const auto index = static_cast<std::size_t>(ref.index - 1);
    const std::int32_t start = paragraph_start(found, index);
    return {ref.document, start, start + paragraph_length(found.paragraphs[index])};
}

std::int32_t WordModel::range_start(const RangeRef& range)
{
    return clamp_span(story(range), range).start;
}

std::int32_t WordModel::range_end(const RangeRef& range)
{
    return clamp_span(story(range), range).end;
}

std::string WordModel::range_text(const RangeRef& range)
{
    const Story& found = story(range);
    const Span span = clamp_span(found, range);
    return platform::encode_utf8(retrieved_text(found, span.start, span.end, range.retrieval.include_field_codes,
                                                range.retrieval.include_hidden_text));
}

std::int32_t WordModel::character_count(const RangeRef& range)
{
    // A collapsed range still has the character after it.
    const Span span = clamp_span(story(range), range);
    return std::max(span.end - span.start, 1);
}

std::int32_t WordModel::delete_range(const RangeRef& range, word::Unit unit, std::int32_t count)
{
    if (unit != word::Unit::character) out_of_range();
    Story& found = story(range);
    const std::int32_t length = story_length(found);
    const Span span = clamp_span(found, range);
    if (span.start == length - 1 && span.end == length) {
        // The final mark cannot be deleted; under an empty last paragraph
        // Word removes the mark before it instead.
        if (!found.paragraphs.back().text.empty() || found.paragraphs.size() < 2) return 0;
        return erase_in(range, length - 2, length - 1);
    }
    std::int64_t from = span.start;
    std::int64_t to = span.end;
    // A collapsed range deletes count characters after it (before it when
    // count is negative); a range that holds text deletes just that text.
    if (from == to) {
        if (count >= 0)
            to = from + count;
        else
            from = from + count;
    }
    from = std::max<std::int64_t>(from, 0);
    to = std::min<std::int64_t>(to, length - 1);
    if (from >= to) return 0;
    return erase_in(range, static_cast<std::int32_t>(from), static_cast<std::int32_t>(to));
}

void WordModel::insert_paragraph_after(const RangeRef& range)
{
    Story& found = story(range);
    const std::int32_t end = clamp_span(found, range).end;
    // After a paragraph's mark (or the story's end) the new paragraph follows
    // that paragraph, with its format; elsewhere the paragraph is split.
    const StoryPosition at = locate(found, end);
    const bool after_a_mark = end > 0 && (end == story_length(found) || at.offset == 0);
    insert(found, after_a_mark ? end - 1 : end, U"\r");
}

void WordModel::insert_after(const RangeRef& range, std::string_view utf8)
{
    Story& found = story(range);
    // Text cannot follow the final mark; it goes in front of it.
    const std::int32_t end = std::min(clamp_span(found, range).end, story_length(found) - 1);
    insert(found, end, platform::decode_utf8(utf8));
}

RangeRef WordModel::set_text(const RangeRef& range, std::string_view utf8)
{
    Story& found = story(range);
    const Span span = clamp_span(found, range);
    erase_in(range, span.start, span.end);
    const std::u32string text = platform::decode_utf8(utf8);
    const std::int32_t start = std::min(span.start, story_length(found) - 1);
    insert(found, start, text);
    return {range.document, start, start + static_cast<std::int32_t>(text.size()), range.story};
}

RangeRef WordModel::moved_range(const RangeRef& range, std::int32_t start, std::int32_t end)
{
    const Story& found = story(range);
    if (start < 0 || end < start || end > story_length(found)) out_of_range();
    return {range.document, start, end, range.story};
}

void WordModel::add_field(const RangeRef& range, word::FieldType type)
{
    if (type != word::FieldType::page) out_of_range();
    Story& found = story(range);
    const Span span = clamp_span(found, range);
    erase_in(range, span.start, span.end);
    insert(found, std::min(span.start, story_length(found) - 1), field_text(U" PAGE ", U"1"));
}

std::string WordModel::list_string(const RangeRef& range)
{
    const Story& found = story(range);
    return found.paragraphs[locate(found, clamp_span(found, range).start).paragraph].list_string;
}

void WordModel::remove_numbers(const RangeRef& range)
{
    Story& found = story(range);
    const ParagraphSpan span = touched(found, clamp_span(found, range));
    for (std::size_t i = span.first; i <= span.last; ++i) found.paragraphs[i].list_string.clear();
}

template <class Change>
void WordModel::format_paragraphs(const RangeRef& range, Change change)
{
    Story& found = story(range);
    const ParagraphSpan span = touched(found, clamp_span(found, range));
    for (std::size_t i = span.first; i <= span.last; ++i) change(found.paragraphs[i].format);
}

template <class Change>
void WordModel::format_characters(const RangeRef& range, Change change)
{
    Story& found = story(range);
    const Span span = clamp_span(found, range);
    if (span.start == span.end) {
        ParagraphState& paragraph = found.paragraphs[locate(found, span.start).paragraph];
        if (paragraph.text.empty()) change(paragraph.chars.back());
        return;
    }
    std::int32_t position = 0;
    for (ParagraphState& paragraph : found.paragraphs) {
        const std::int32_t length = paragraph_length(paragraph);
        if (position >= span.end) break;
        for (std::int32_t i = std::max(span.start - position, 0); i < length && position + i < span.end; ++i)
            change(paragraph.chars[static_cast<std::size_t>(i)]);
        position += length;
    }
}

void WordModel::set_paragraph_setting(const RangeRef& range, ParagraphSetting setting, std::int32_t value)
{
    switch (setting) {
    case ParagraphSetting::alignment:
        // Left, centre, right, justify, distribute and the justify variants.
        if (value < 0 || value > 9 || value == 6) out_of_range();
        format_paragraphs(range, [&](ParagraphFormatState& f) { f.alignment = static_cast<word::ParagraphAlignment>(value); });
        break;
    case ParagraphSetting::line_spacing_rule:
        if (value < 0 || value > 5) out_of_range();
        format_paragraphs(range, [&](ParagraphFormatState& f) { f.line_spacing_rule = static_cast<word::LineSpacingRule>(value); });
        break;
    case ParagraphSetting::space_before_auto:
        format_paragraphs(range, [&](ParagraphFormatState& f) { f.space_before_auto = value; });
        break;
    case ParagraphSetting::space_after_auto:
        format_paragraphs(range, [&](ParagraphFormatState& f) { f.space_after_auto = value; });
        break;
    case ParagraphSetting::page_break_before:
        format_paragraphs(range, [&](ParagraphFormatState& f) { f.page_break_before = value; });
        break;
    }
}

void WordModel::set_paragraph_measure(const RangeRef& range, ParagraphMeasure measure, float value)
{
    switch (measure) {
    case ParagraphMeasure::line_spacing:
        require_measure(value, 0, 1584);
        format_paragraphs(range, [&](ParagraphFormatState& f) { f.line_spacing = value; });
        break;
    case ParagraphMeasure::space_after:
        require_measure(value, 0, 1584);
        format_paragraphs(range, [&](ParagraphFormatState& f) { f.space_after = value; });
        break;
    case ParagraphMeasure::first_line_indent:
        require_measure(value, -1584, 1584);
        format_paragraphs(range, [&](ParagraphFormatState& f) {
            f.first_line_indent = value;
            f.character_unit_first_line_indent = 0;
        });
        break;
    case ParagraphMeasure::right_indent:
        require_measure(value, -1584, 1584);
        format_paragraphs(range, [&](ParagraphFormatState& f) {
            f.right_indent = value;
            f.character_unit_right_indent = 0;
        });
        break;
    case ParagraphMeasure::line_unit_before:
        require_measure(value, 0, 1584);
        format_paragraphs(range, [&](ParagraphFormatState& f) {
            f.line_unit_before = value;
            f.space_before = 0;
        });
        break;
    case ParagraphMeasure::space_before:
        require_measure(value, 0, 1584);
        format_paragraphs(range, [&](ParagraphFormatState& f) {
            f.space_before = value;
            f.line_unit_before = 0;
        });
        break;
    case ParagraphMeasure::border_distance_from_bottom:
        require_measure(value, 0, 31);
        format_paragraphs(range, [&](ParagraphFormatState& f) { f.border_distance_from_bottom = value; });
        break;
    case ParagraphMeasure::line_unit_after:
        require_measure(value, 0, 1584);
        format_paragraphs(range, [&](ParagraphFormatState& f) { f.line_unit_after = value; });
        break;
    case ParagraphMeasure::left_indent:
        require_measure(value, -1584, 1584);
        format_paragraphs(range, [&](ParagraphFormatState& f) {
            f.left_indent = value;
            f.character_unit_left_indent = 0;
        });
        break;
    case ParagraphMeasure::character_unit_first_line_indent:
        require_measure(value, -55, 55);
        format_paragraphs(range, [&](ParagraphFormatState& f) {
            f.character_unit_first_line_indent = value;
            f.first_line_indent = 0;
        });
        break;
    case ParagraphMeasure::character_unit_left_indent:
        require_measure(value, -55, 55);
        format_paragraphs(range, [&](ParagraphFormatState& f) {
            f.character_unit_left_indent = value;
            f.left_indent = 0;
        });
        break;
    case ParagraphMeasure::character_unit_right_indent:
        require_measure(value, -55, 55);
        format_paragraphs(range, [&](ParagraphFormatState& f) {
            f.character_unit_right_indent = value;
            f.right_indent = 0;
        });
        break;
    }
}

void WordModel::require_border(word::BorderSide side)
{
    if (side != word::BorderSide::top && side != word::BorderSide::bottom) out_of_range();
}

void WordModel::set_border(const RangeRef& range, word::BorderSide side, BorderSetting setting, std::int32_t value)
{
    require_border(side);
    // Single, dotted, dashed ... up to the 3-D styles; widths in eighths of
    // a point from a quarter to six points.
    if (setting == BorderSetting::line_style && (value < 0 || value > 24)) out_of_range();
    if (setting == BorderSetting::line_width && (value < 2 || value > 48)) out_of_range();
    format_paragraphs(range, [&](ParagraphFormatState& f) {
        BorderState& border = side == word::BorderSide::top ? f.border_top : f.border_bottom;
        switch (setting) {
        case BorderSetting::line_style: border.line_style = word::LineStyle{value}; break;
        case BorderSetting::line_width: border.line_width = word::LineWidth{value}; break;
        case BorderSetting::color: border.color = word::Color{value}; break;
        }
    });
}

void WordModel::clear_tab_stops(const RangeRef& range)
{
    format_paragraphs(range, [](ParagraphFormatState& f) { f.tab_stops.clear(); });
}

void WordModel::add_tab_stop(const RangeRef& range, float position, word::TabAlignment alignment)
{
    require_measure(position, 0, 1584);
    if (word::value_of(alignment) < 0 || word::value_of(alignment) > 4) out_of_range();
    format_paragraphs(range, [&](ParagraphFormatState& f) {
        std::erase_if(f.tab_stops, [&](const TabStopState& stop) { return stop.position == position; });
        const auto at = std::find_if(f.tab_stops.begin(), f.tab_stops.end(),
                                     [&](const TabStopState& stop) { return stop.position > position; });
        f.tab_stops.insert(at, {position, alignment});
    });
}

void WordModel::set_font_name(const RangeRef& range, const std::string& name)
{
    // Word ignores an empty name.
    if (name.empty()) return;
    const bool east_asian = std::any_of(name.begin(), name.end(), [](char c) { return (c & 0x80) != 0; });
    format_characters(range, [&](CharFormat& f) {
        // A Latin font leaves Chinese text in the font it had.
        if (east_asian)
            f.name_far_east.clear();
        else if (f.name_far_east.empty() && f.font_name != name)
            f.name_far_east = f.font_name;
        f.font_name = name;
    });
}

void WordModel::set_font_name_far_east(const RangeRef& range, const std::string& name)
{
    if (name.empty()) return;
    format_characters(range, [&](CharFormat& f) { f.name_far_east = name == f.font_name ? "" : name; });
}

void WordModel::set_font_size(const RangeRef& range, float points)
{
    require_measure(points, 1, 1638);
    format_characters(range, [&](CharFormat& f) { f.size = points; });
}

void WordModel::set_font_bold(const RangeRef& range, std::int32_t bold)
{
    format_characters(range, [&](CharFormat& f) { f.bold = bold; });
}

void WordModel::set_font_color(const RangeRef& range, word::Color color)
{
    format_characters(range, [&](CharFormat& f) { f.color = color; });
}

void WordModel::set_font_underline(const RangeRef& range, word::Underline underline)
{
    format_characters(range, [&](CharFormat& f) { f.underline = underline; });
}

float WordModel::information(const RangeRef& range, word::Information type)
{
    if (type != word::Information::vertical_position_relative_to_page || range.story != 0) out_of_range();
    const DocumentState& found = document(range.document);
    const PageSetupState& page = found.page_setup;
    const float area = page.page_height - page.top - page.bottom;
    const StoryPosition at = locate(found, clamp_span(found, range).start);
    float y = 0;
    // A table row's cells side by side.
    bool in_row = false;
    float row_top = 0;
    float row_bottom = 0;
    for (std::size_t i = 0; i < found.paragraphs.size(); ++i) {
        const ParagraphState& paragraph = found.paragraphs[i];
        if (paragraph.mark == Mark::row_end) {
            y = row_bottom;
            in_row = false;
            if (i == at.paragraph) return page.top + row_top;
            continue;
        }
        if (paragraph.table != 0 && !in_row) {
            in_row = true;
            row_top = row_bottom = y;
        }
        if (paragraph.format.page_break_before != 0 && y > 0 && !in_row) y = 0;
        y += paragraph.format.space_before;
        const float height = line_height(paragraph);
        const std::vector<std::int32_t> starts = line_starts(paragraph, page);
        for (std::size_t line = 0; line < starts.size(); ++line) {
            if (!in_row && y + height > area + 0.01f) y = 0;
            if (i == at.paragraph && (line + 1 == starts.size() || starts[line + 1] > at.offset)) return page.top + y;
            y += height;
        }
        if (in_row) {
            row_bottom = std::max(row_bottom, y);
            if (paragraph.mark == Mark::cell_end) y = row_top;
        }
    }
    return page.top + y;
}

void WordModel::set_highlight(const RangeRef& range, word::HighlightColor index)
{
    // WdColorIndex: wdNoHighlight (0) to wdGray25 (16).
    if (word::value_of(index) < 0 || word::value_of(index) > 16) out_of_range();
    format_characters(range, [&](CharFormat& f) { f.highlight = index; });
}

RangeRef WordModel::selection(DocumentId id)
{
    DocumentState& found = document(id);
    const RangeRef stored{id, found.selection_start, found.selection_end};
    const Span span = clamp_span(found, stored);
    return {id, span.start, span.end};
}

void WordModel::set_selection(DocumentId id, std::int32_t start, std::int32_t end)
{
    DocumentState& found = document(id);
    start = clamp_position(found, start);
    end = clamp_position(found, end);
    found.selection_start = std::min(start, end);
    found.selection_end = std::max(start, end);
}

// The selection's anchor is its start, and its end is the end that moves.
void WordModel::home_key(DocumentId id, word::Unit unit, word::Movement movement)
{
    require_unit(unit, movement);
    const RangeRef current = selection(id);
    const DocumentState& found = document(id);
    if (movement == word::Movement::move) {
        const std::int32_t to = unit == word::Unit::story ? 0 : line_at(found, current.start, false).start;
        set_selection(id, to, to);
        return;
    }
    const std::int32_t to = unit == word::Unit::story ? 0 : line_at(found, current.end, false).start;
    set_selection(id, std::min(current.start, to), std::max(current.start, to));
}

void WordModel::end_key(DocumentId id, word::Unit unit, word::Movement movement)
{
    require_unit(unit, movement);
    const RangeRef current = selection(id);
    const DocumentState& found = document(id);
    const std::int32_t length = story_length(found);
    if (unit == word::Unit::story) {
        // Moving stops in front of the final mark; extending takes it in.
        if (movement == word::Movement::move)
            set_selection(id, length - 1, length - 1);
        else
            set_selection(id, current.start, length);
        return;
    }
    const std::int32_t to = line_at(found, current.end, current.end > current.start).end;
    if (movement == word::Movement::move)
        set_selection(id, to, to);
    else
        set_selection(id, current.start, std::max(current.end, to));
}

}  // namespace standin
