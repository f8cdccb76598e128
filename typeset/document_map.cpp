#include "typeset/document_map.h"

#include <algorithm>

#include "platform/utf8.h"
#include "typeset/stages.h"

namespace typeset {

namespace {

inline constexpr char32_t kFieldBegin = 0x13;
inline constexpr char32_t kFieldSeparator = 0x14;
inline constexpr char32_t kFieldEnd = 0x15;
inline constexpr char32_t kInlinePicture = 0x01;
inline constexpr char32_t kCellMarkTail = U'\a';

bool is_space(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\u3000' || c == U'\u00A0';
}

std::int32_t units(char32_t c)
{
    return c > 0xFFFF ? 2 : 1;
}

// Positions the text stands for: "\r\a" is one, a character beyond the BMP
// two UTF-16 units.
std::int32_t positions_in(std::u32string_view text)
{
    std::int32_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kCellMarkTail && i > 0 && text[i - 1] == U'\r') continue;
        count += units(text[i]);
    }
    return count;
}

// The paragraph's text without its mark, as Word's Paragraph.Range.Text
// reads.
std::u32string without_mark(std::u32string text)
{
    if (text.ends_with(U"\r\a")) text.resize(text.size() - 2);
    else if (!text.empty() && (text.back() == U'\r' || text.back() == U'\f')) text.pop_back();
    return text;
}

// Without exact positions a paragraph's place in Word lies between its
// start in the map and that start plus what the text does not show
// (`unseen`). Paragraphs ended by a cell mark are in a table; one ended by a
// paragraph mark is when a table paragraph follows it and its place lies in
// a table's range. Where its place may lie either side of a table's edge it
// is taken as in the table, which only means the run leaves it alone.
void mark_tables_by_structure(DocumentMap& map, std::int32_t unseen)
{
    bool next_in_table = false;
    for (auto it = map.paragraphs.rbegin(); it != map.paragraphs.rend(); ++it) {
        if (it->ends_with == ParagraphEnd::cell) {
            it->in_table = true;
        } else {
            const Span place{it->start, it->start + unseen + 1};
            const bool outside = std::all_of(map.tables.begin(), map.tables.end(), [&](const Span& table) {
                return place.end <= table.start || place.start >= table.end;
            });
            it->in_table = next_in_table && !outside;
        }
        next_in_table = it->in_table;
    }
}

void mark_tables_by_position(DocumentMap& map)
{
    for (MappedParagraph& paragraph : map.paragraphs)
        paragraph.in_table = std::any_of(map.tables.begin(), map.tables.end(), [&](const Span& table) {
            return paragraph.start >= table.start && paragraph.start < table.end;
        });
}

}  // namespace

std::vector<Span> DocumentMap::outside_tables(std::int32_t from, std::int32_t to) const
{
    std::vector<Span> parts;
    std::int32_t at = from;
    for (const Span& table : tables) {
        if (table.end <= at) continue;
        if (table.start >= to) break;
        if (table.start > at) parts.push_back({at, table.start});
        at = std::max(at, table.end);
    }
    if (at < to) parts.push_back({at, to});
    return parts;
}

std::size_t DocumentMap::last_written() const
{
    std::size_t last = paragraphs.size() - 1;
    while (last > 0) {
        const MappedParagraph& paragraph = paragraphs[last];
        if (paragraph.in_table || !paragraph.blank || paragraph.ends_with == ParagraphEnd::section_break) break;
        --last;
    }
    return last;
}

bool DocumentMap::keeps_mark(std::size_t index) const
{
    const MappedParagraph& paragraph = paragraphs.at(index);
    return paragraph.in_table || paragraph.ends_with == ParagraphEnd::section_break;
}

void note_skipped(Notes& notes, std::size_t index)
{
    notes.push_back("第 " + std::to_string(index + 1) + " 段未能识别，已跳过排版");
}

Span DocumentMap::widened_to_fields(Span span) const
{
    for (bool widened = true; widened;) {
        widened = false;
        for (const Span& field : fields) {
            const bool touches = field.start < span.end && span.start < field.end;
            if (touches && (field.start < span.start || field.end > span.end)) {
                span = {std::min(span.start, field.start), std::max(span.end, field.end)};
                widened = true;
            }
        }
    }
    return span;
}

DocumentMap map_text(std::u32string_view shown, std::u32string_view full)
{
    const bool shows_all = full.empty();
    if (shows_all) full = shown;

    DocumentMap map;
    MappedParagraph current;
    // Per open field: whether its code is still being read.
    std::vector<bool> reading_code;
    std::vector<std::int32_t> field_starts;
    std::size_t next_shown = 0;
    std::int32_t position = 0;

    auto close_paragraph = [&](ParagraphEnd ends_with) {
        current.mark = position;
        current.ends_with = ends_with;
        map.paragraphs.push_back(std::move(current));
        current = MappedParagraph{};
        current.start = position + 1;
    };
    // A character that a reader would see unless it is hidden: it is shown
    // when it is the next one of the shown text.
    auto shows = [&](char32_t c) {
        if (shows_all) return true;
        if (next_shown < shown.size() && shown[next_shown] == c) {
            ++next_shown;
            return true;
        }
        return false;
    };

    for (std::size_t i = 0; i < full.size(); ++i) {
        const char32_t c = full[i];
        if (c == kFieldBegin) {
            reading_code.push_back(true);
            field_starts.push_back(position);
            current.blank = false;
        } else if (c == kFieldSeparator) {
            if (!reading_code.empty()) reading_code.back() = false;
        } else if (c == kFieldEnd) {
            if (!reading_code.empty()) {
                map.fields.push_back({field_starts.back(), position + 1});
                reading_code.pop_back();
                field_starts.pop_back();
            }
        } else if (c == U'\r' || c == U'\f') {
            const bool cell = c == U'\r' && i + 1 < full.size() && full[i + 1] == kCellMarkTail;
            if (shows(c) && cell) shows(kCellMarkTail);
            if (cell) ++i;
            close_paragraph(cell ? ParagraphEnd::cell
                                 : c == U'\f' ? ParagraphEnd::section_break : ParagraphEnd::mark);
            position += 1;
            continue;
        } else {
            if (!is_space(c)) current.blank = false;
            const bool in_code = std::find(reading_code.begin(), reading_code.end(), true) != reading_code.end();
            if (!in_code && shows(c)) {
                current.text.push_back(c);
                current.positions.push_back(position);
                if (c == kInlinePicture) current.has_picture = true;
            }
        }
        position += units(c);
    }
    // The final mark may be missing from a text handed over without it.
    if (!current.text.empty() || !current.blank || map.paragraphs.empty()) {
        current.mark = position;
        map.paragraphs.push_back(std::move(current));
        position += 1;
    }
    map.story_end = position;
    // What the shown text holds and the full one does not is a sign that
    // the two were not read alike.
    map.exact = shows_all || next_shown == shown.size();
    std::sort(map.fields.begin(), map.fields.end(), [](const Span& a, const Span& b) { return a.start < b.start; });
    return map;
}

const MemberTable& document_map_members()
{
    using word::ObjectType;
    static const MemberTable members = {
        needed(ObjectType::document, "Content"),
        needed(ObjectType::range, "Text"),
        needed(ObjectType::range, "Start"),
        needed(ObjectType::range, "End"),
        needed(ObjectType::document, "Paragraphs"),
        needed(ObjectType::paragraphs, "Item"),
        needed(ObjectType::paragraph, "Range"),
        for_step(ObjectType::range, "TextRetrievalMode", Step::text_retrieval),
        for_step(ObjectType::text_retrieval_mode, "IncludeFieldCodes", Step::text_retrieval),
        for_step(ObjectType::text_retrieval_mode, "IncludeHiddenText", Step::text_retrieval),
        for_step(ObjectType::document, "Sections", Step::section_breaks),
        for_step(ObjectType::sections, "Count", Step::section_breaks),
        for_step(ObjectType::sections, "Item", Step::section_breaks),
        for_step(ObjectType::section, "Range", Step::section_breaks),
        // Table.Range is reached only through a table: a document without
        // one cannot tell, and a server without it fails the step.
        for_step(ObjectType::document, "Tables", Step::tables),
        for_step(ObjectType::tables, "Count", Step::tables),
        for_step(ObjectType::tables, "Item", Step::tables),
    };
    return members;
}

DocumentMap read_document_map(RunContext& run)
{
    auto& document = run.document();
    const auto content = document.content();
    const std::u32string shown = platform::decode_utf8(content->text());
    const std::int32_t story_end = content->end();

    DocumentMap map;
    std::u32string full;
    std::int32_t mapped_end = 0;
    if (positions_in(shown) == story_end) {
        map = map_text(shown, {});
    } else if (run.optional(Step::text_retrieval, [&] {
                   const auto mode = content->text_retrieval_mode();
                   mode->set_include_field_codes(true);
                   mode->set_include_hidden_text(true);
                   full = platform::decode_utf8(content->text());
               })) {
        map = map_text(shown, full);
        map.exact = map.exact && positions_in(full) == story_end;
    } else {
        // Positions the text does not show: each paragraph is found in Word.
        full.clear();
        map = map_text(shown, {});
        map.exact = false;
    }
    mapped_end = map.story_end;
    map.story_end = story_end;

    // A "\f" ends a paragraph only when it is a section break; a page break
    // is a character inside one. Where there are as many breaks as sections
    // less one, every "\f" is a section break.
    const std::u32string_view all = full.empty() ? std::u32string_view(shown) : std::u32string_view(full);
    const auto breaks = std::count(all.begin(), all.end(), U'\f');
    if (breaks > 0) {
        std::int32_t count = 0;
        std::vector<std::int32_t> section_ends;
        const bool read = run.optional(Step::section_breaks, [&] {
            const auto sections = document.sections();
            count = sections->count();
            if (count - 1 != breaks && map.exact)
                for (std::int32_t i = 1; i < count; ++i) section_ends.push_back(sections->item(i)->range()->end() - 1);
        });
        if (!read) {
            map.exact = false;
        } else if (count - 1 != breaks) {
            if (map.exact) {
                // Page breaks join the paragraph they stand in to the next.
                std::vector<MappedParagraph> joined;
                for (MappedParagraph& paragraph : map.paragraphs) {
                    const bool page_break =
                        !joined.empty() && joined.back().ends_with == ParagraphEnd::section_break &&
                        std::find(section_ends.begin(), section_ends.end(), joined.back().mark) == section_ends.end();
                    if (!page_break) {
                        joined.push_back(std::move(paragraph));
                        continue;
                    }
                    MappedParagraph& into = joined.back();
                    into.text.push_back(U'\f');
                    into.positions.push_back(into.mark);
                    into.text += paragraph.text;
                    into.positions.insert(into.positions.end(), paragraph.positions.begin(), paragraph.positions.end());
                    into.mark = paragraph.mark;
                    into.ends_with = paragraph.ends_with;
                    into.has_picture = into.has_picture || paragraph.has_picture;
                    into.blank = false;
                }
                map.paragraphs = std::move(joined);
            } else {
                // Paragraph numbers may then differ from Word's; each found
                // paragraph is checked against its text anyway.
                map.exact = false;
            }
        }
    }

    if (all.find(kCellMarkTail) != std::u32string_view::npos) {
        const bool listed = run.optional(Step::tables, [&] {
            const auto tables = document.tables();
            const std::int32_t count = tables->count();
            for (std::int32_t i = 1; i <= count; ++i) {
                const auto range = tables->item(i)->range();
                const std::int32_t start = range->start();
                map.tables.push_back({start, range->end()});
            }
        });
        if (!listed) map.tables.clear();
        std::sort(map.tables.begin(), map.tables.end(), [](const Span& a, const Span& b) { return a.start < b.start; });
    }
    if (map.exact)
        mark_tables_by_position(map);
    else
        mark_tables_by_structure(map, std::max(0, story_end - mapped_end));
    return map;
}

std::optional<FoundParagraph> find_paragraph(RunContext& run, const DocumentMap& map, std::size_t index)
{
    const MappedParagraph& paragraph = map.paragraphs.at(index);
    if (map.exact) return FoundParagraph{{paragraph.start, paragraph.end()}, true};

    const auto range = run.document().paragraphs()->item(static_cast<std::int32_t>(index + 1))->range();
    const std::u32string text = without_mark(platform::decode_utf8(range->text()));
    if (text != paragraph.text) return std::nullopt;
    const Span found{range->start(), range->end()};
    return FoundParagraph{found, found.end - found.start == paragraph.end() - paragraph.start};
}

std::optional<std::size_t> locate_paragraph(const DocumentMap& map, std::int32_t start, std::string_view text)
{
    const auto& paragraphs = map.paragraphs;
    if (map.exact) {
        const auto at = std::lower_bound(paragraphs.begin(), paragraphs.end(), start,
                                         [](const MappedParagraph& p, std::int32_t s) { return p.start < s; });
        if (at == paragraphs.end() || at->start != start) return std::nullopt;
        return static_cast<std::size_t>(at - paragraphs.begin());
    }
    const std::u32string read = without_mark(platform::decode_utf8(text));
    std::optional<std::size_t> found;
    for (std::size_t p = 0; p < paragraphs.size() && paragraphs[p].start <= start; ++p)
        if (paragraphs[p].text == read) found = p;
    return found;
}

std::optional<Span> text_span(const DocumentMap& map, std::size_t index, const FoundParagraph& found,
                              std::size_t from, std::size_t to)
{
    const MappedParagraph& paragraph = map.paragraphs.at(index);
    if (!found.whole || from >= to || to > paragraph.positions.size()) return std::nullopt;
    const std::int32_t shift = found.range.start - paragraph.start;
    const std::int32_t last = paragraph.positions[to - 1];
    Span span{paragraph.positions[from], last + units(paragraph.text[to - 1])};
    span = map.widened_to_fields(span);
    return Span{span.start + shift, span.end + shift};
}

}  // namespace typeset
