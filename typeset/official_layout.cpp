#include "typeset/official_layout.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/utf8.h"
#include "typeset/equivalents.h"
#include "typeset/new_paragraphs.h"
#include "typeset/numbers.h"
#include "typeset/official_text.h"
#include "typeset/stages.h"

namespace typeset {

namespace {

inline constexpr float kPointsPerMillimetre = 72 / 25.4f;
// A4 as the run sets it.
inline constexpr float kPageWidth = 595.3f;
inline constexpr float kPageHeight = 841.9f;
// Under the imprint's last line: Word's distance to its border, and the
// thick rule.
inline constexpr float kLastRulePoints = 2;
// 份号, 密级, 紧急程度, the attachment label: 3号黑体.
inline constexpr float kHeaderSize = 16;
// The mark's upper edge 35 mm below the type area's top.
inline constexpr float kMarkTopMillimetres = 35;
// The red rule 4 mm under the document number.
inline constexpr float kRuleGapMillimetres = 4;
// The imprint: 4号, one character in on both sides.
inline constexpr float kImprintSize = 14;
inline constexpr float kImprintIndentCharacters = 1;
// An upward document's number and 签发人 one character in from each side.
inline constexpr float kSignerIndentCharacters = 1;
inline constexpr float kBodyIndentCharacters = 2;

using Text = std::u32string_view;

bool is_space(char32_t c) { return c == U' ' || c == U'\t' || c == U'\u3000' || c == U'\u00A0'; }

// The label of a 抄送 or 主送 line with its colon; 0 when the line has none.
std::size_t copy_to_label(Text text)
{
    std::size_t at = 0;
    while (at < text.size() && is_space(text[at])) ++at;
    const Text rest = text.substr(at);
    if (!(rest.starts_with(U"抄送") || rest.starts_with(U"主送")) || rest.size() < 3) return 0;
    if (rest[2] != U'：' && rest[2] != U':') return 0;
    return at + 3;
}

// "附件：1." up to the first name: the label, its colon, blanks and the
// number.
std::size_t before_name(Text text, bool with_label)
{
    std::size_t at = 0;
    while (at < text.size() && is_space(text[at])) ++at;
    if (with_label) {
        const std::size_t colon = text.find_first_of(U"：:", at);
        if (colon == Text::npos) return 0;
        at = colon + 1;
        while (at < text.size() && is_space(text[at])) ++at;
    }
    std::size_t digits = at;
    while (digits < text.size() && ((text[digits] >= U'0' && text[digits] <= U'9') ||
                                    (text[digits] >= U'０' && text[digits] <= U'９')))
        ++digits;
    if (digits > at && digits < text.size() && Text(U".．、").find(text[digits]) != Text::npos) at = digits + 1;
    return at;
}

// Where the date of a 印发 line starts, and where the organ before it ends.
struct SplitLine {
    std::size_t organ_end;
    std::size_t date_start;
};
std::optional<SplitLine> printed_split(Text text)
{
    if (!text.ends_with(U"印发")) return std::nullopt;
    const Text before = text.substr(0, text.size() - 2);
    for (std::size_t from = 0; from < before.size(); ++from) {
        if (is_space(before[from]) || !is_date_line(before.substr(from))) continue;
        std::size_t end = from;
        while (end > 0 && is_space(before[end - 1])) --end;
        if (end == 0) return std::nullopt;
        return SplitLine{end, from};
    }
    return std::nullopt;
}

// A number with 签发人 on its line: where the number ends and 签发人 starts.
std::optional<SplitLine> signer_split(Text text)
{
    const std::size_t signer = text.find(U"签发人");
    if (signer == Text::npos || signer == 0) return std::nullopt;
    std::size_t end = signer;
    while (end > 0 && is_space(text[end - 1])) --end;
    if (end == 0) return std::nullopt;
    return SplitLine{end, signer};
}

// The characters of text within the first `units` UTF-16 units.
std::size_t characters_in(Text text, std::int32_t units)
{
    std::size_t characters = 0;
    for (std::int32_t counted = 0; counted < units && characters < text.size(); ++characters)
        counted += text[characters] > 0xFFFF ? 2 : 1;
    return characters;
}

std::vector<std::size_t> all_of(const std::vector<ParagraphRole>& roles, Role role)
{
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < roles.size(); ++i)
        if (roles[i].role == role) found.push_back(i);
    return found;
}

bool is_header(Role role)
{
    return role == Role::copy_number || role == Role::secrecy || role == Role::urgency || role == Role::issuer_mark ||
           role == Role::document_number;
}

class Layout {
public:
    Layout(RunContext& run, const OfficialReading& reading, Notes& notes)
        : run_(run), map_(reading.map), lists_(reading.list_strings), roles_(reading.roles), notes_(notes)
    {
    }

    bool edit()
    {
        std::vector<Change> changes;
        remove_trailing_blanks(changes);
        add_sign_off(changes);
        tabs(changes);
        blank_lines(changes);
        if (changes.empty()) return false;
        // From the end: each change leaves the places before it as they were.
        std::stable_sort(changes.begin(), changes.end(),
                         [](const Change& a, const Change& b) { return a.at > b.at; });
        for (const Change& change : changes) change.make();
        return true;
    }

    void format()
    {
        format_header();
        format_title_and_addressee();
        format_headings();
        format_attachment_note();
        format_sign_off();
        for (const std::size_t i : all_of(roles_, Role::annotation)) {
            if (const auto f = paragraph_format(i)) {
                f->set_alignment(word::ParagraphAlignment::left);
                first_line_indent(*f, kBodyIndentCharacters, body_size());
            }
        }
        format_attachments();
        format_imprint();
        keep_imprint_at_foot();
    }

private:
    struct Change {
        std::int32_t at;
        std::function<void()> make;
    };

    RunContext& run_;
    const DocumentMap& map_;
    const std::vector<std::string>& lists_;
    const std::vector<ParagraphRole>& roles_;
    Notes& notes_;

    word::Document& document() { return run_.document(); }
    float body_size() { return run_.size(SizeCombo::gwZwFontSize); }
    float line() { return run_.number(Edit::gwZwLine); }

    std::optional<FoundParagraph> found(std::size_t i)
    {
        auto paragraph = find_paragraph(run_, map_, i);
        if (!paragraph) note_skipped(notes_, i);
        return paragraph;
    }
    std::unique_ptr<word::Range> range(std::size_t i)
    {
        const auto paragraph = found(i);
        if (!paragraph) return nullptr;
        return document().range(paragraph->range.start, paragraph->range.end);
    }
    std::unique_ptr<word::ParagraphFormat> paragraph_format(std::size_t i)
    {
        const auto whole = range(i);
        return whole ? whole->paragraph_format() : nullptr;
    }
    void clear_first_line_indent(word::ParagraphFormat& format) { typeset::clear_first_line_indent(run_, format); }
    // Indents in characters of the given size, or their points.
    void first_line_indent(word::ParagraphFormat& format, float characters, float size)
    {
        indent_in_characters(run_, format, &word::ParagraphFormat::set_character_unit_first_line_indent,
                             &word::ParagraphFormat::set_first_line_indent, characters, size);
    }
    void left_indent(word::ParagraphFormat& format, float characters, float size)
    {
        indent_in_characters(run_, format, &word::ParagraphFormat::set_character_unit_left_indent,
                             &word::ParagraphFormat::set_left_indent, characters, size);
    }
    void right_indent(word::ParagraphFormat& format, float characters, float size)
    {
        indent_in_characters(run_, format, &word::ParagraphFormat::set_character_unit_right_indent,
                             &word::ParagraphFormat::set_right_indent, characters, size);
    }
    // The type area's width, less `characters` of `size` at its right.
    float right_edge(float characters, float size)
    {
        return kPageWidth - run_.centimetres_in_points(Edit::gwLeft) - run_.centimetres_in_points(Edit::gwRight) -
               characters * size;
    }

    std::size_t next_written(std::size_t from) const
    {
        while (from < roles_.size() && roles_[from].role == Role::blank) ++from;
        return from;
    }
    // A blank paragraph that can go: no table, no section break.
    bool removable(std::size_t i) const
    {
        const MappedParagraph& p = map_.paragraphs[i];
        return p.blank && !p.in_table && p.ends_with == ParagraphEnd::mark;
    }

    // ---- Edits ----

    void remove_trailing_blanks(std::vector<Change>& changes)
    {
        if (!run_.dialog.checked(CheckBox::gwKh)) return;
        const std::size_t last = map_.last_written();
        if (last + 1 >= map_.paragraphs.size()) return;
        const auto from = find_paragraph(run_, map_, last);
        const auto final_mark = find_paragraph(run_, map_, map_.paragraphs.size() - 1);
        if (!from || !final_mark) {
            note_skipped(notes_, map_.paragraphs.size() - 1);
            return;
        }
        // A table's end stays, and so does a section break.
        const std::int32_t start = map_.keeps_mark(last) ? from->range.end : from->range.end - 1;
        const std::int32_t end = final_mark->range.end - 1;
        if (start < end)
            changes.push_back({start, [this, start, end] {
                                   document().range(start, end)->delete_text(word::Unit::character, 1);
                               }});
    }

    // The issuing organ and the date after one empty line, as paragraphs of
    // their own, under the body or the attachment note.
    void add_sign_off(std::vector<Change>& changes)
    {
        if (!run_.dialog.checked(CheckBox::gwLk) || sign_off_lines(roles_)) return;
        const std::size_t after = new_sign_off_after(roles_);
        const std::string organ =
            platform::encode_utf8(trimmed(platform::decode_utf8(run_.dialog.edit_text(Edit::gwFwjg))));
        const std::string lines = (organ.empty() ? "" : organ + "\r") + format_date(run_.platform.today());
        const auto paragraph = found(after);
        if (!paragraph) return;
        // After a table the lines go in front of the paragraph that follows
        // it, which Word always has.
        const bool in_table = map_.paragraphs[after].in_table;
        if (in_table && after + 1 >= map_.paragraphs.size()) return;
        const std::optional<FoundParagraph> next = in_table ? found(after + 1) : paragraph;
        if (!next) return;
        const std::int32_t at = in_table ? next->range.start : paragraph->range.end - 1;
        const std::string text = in_table ? "\r" + lines + "\r" : "\r\r" + lines;
        // The new paragraphs, not the one they follow.
        const std::int32_t added = in_table ? at : at + 1;
        const std::int32_t length = utf16_length(platform::decode_utf8(text));
        changes.push_back({at, [this, at, text, added, length] {
                               document().range(at, at)->insert_after(text);
                               make_plain(run_, {added, added + length});
                           }});
    }

    // A tab between the number and 签发人, and between the organ and the
    // date of the 印发 line, where tab stops place what follows.
    void tabs(std::vector<Change>& changes)
    {
        for (std::size_t i = 0; i < roles_.size(); ++i) {
            const Text text = map_.paragraphs[i].text;
            std::optional<SplitLine> split;
            if (roles_[i].role == Role::document_number) split = signer_split(text);
            if (roles_[i].role == Role::printed_by) split = printed_split(text);
            if (!split || text.substr(split->organ_end, split->date_start - split->organ_end) == U"\t") continue;
            const auto paragraph = found(i);
            if (!paragraph) continue;
            std::optional<Span> span;
            if (split->date_start > split->organ_end) {
                span = text_span(map_, i, *paragraph, split->organ_end, split->date_start);
            } else if (const auto next = text_span(map_, i, *paragraph, split->date_start, split->date_start + 1)) {
                span = Span{next->start, next->start};
            }
            if (!span) {
                note_skipped(notes_, i);
                continue;
            }
            changes.push_back({span->start, [this, span = *span] {
                                   document().range(span.start, span.end)->set_text("\t");
                               }});
        }
    }

    // Exactly `wanted` (0 or 1) empty paragraphs between paragraph `above`
    // and the next written one.
    void blanks_between(std::vector<Change>& changes, std::size_t above, std::size_t wanted)
    {
        const std::size_t below = next_written(above + 1);
        if (below >= roles_.size()) return;
        const std::size_t blanks = below - above - 1;
        if (blanks == wanted) return;
        if (blanks < wanted) {
            // Nothing is added inside a table.
            if (map_.paragraphs[above].in_table) return;
            if (const auto paragraph = found(above))
                changes.push_back({paragraph->range.end - 1, [this, span = paragraph->range] {
                                       document().range(span.start, span.end)->insert_paragraph_after();
                                   }});
            return;
        }
        for (std::size_t i = above + 1 + wanted; i < below; ++i)
            if (!removable(i)) return;
        const auto first = found(above + 1 + wanted);
        const auto next = found(below);
        if (!first || !next) return;
        changes.push_back({first->range.start, [this, from = first->range.start, to = next->range.start] {
                               document().range(from, to)->delete_text(word::Unit::character, 1);
                           }});
    }

    void blank_lines(std::vector<Change>& changes)
    {
        const auto line_above = [&](std::size_t first) {
            std::size_t above = first;
            while (above > 0 && roles_[above - 1].role == Role::blank) --above;
            if (above > 0) blanks_between(changes, above - 1, 1);
        };
        // One empty line above the attachment note, and above the sign-off,
        // an existing one too.
        for (const std::size_t note : all_of(roles_, Role::attachment_note)) line_above(note);
        if (const auto lines = sign_off_lines(roles_))
            line_above(lines->organs.empty() ? lines->date : lines->organs.front());
        // One under the title.
        const auto titles = all_of(roles_, Role::title);
        if (!titles.empty()) blanks_between(changes, titles.back(), 1);
        // None within the header or between it and the title: the spaces
        // before its lines place them.
        for (std::size_t i = 0; i < roles_.size(); ++i) {
            if (!is_header(roles_[i].role)) continue;
            const std::size_t next = next_written(i + 1);
            if (next < roles_.size() && (is_header(roles_[next].role) || roles_[next].role == Role::title))
                blanks_between(changes, i, 0);
        }
    }

    // ---- Formats ----

    void set_font(std::size_t i, const std::string& far_east, float size, word::Color color)
    {
        const auto whole = range(i);
        if (!whole) return;
        const auto font = whole->font();
        set_chinese_font(run_, *font, far_east);
        font->set_size(size);
        if (color != word::Color::automatic) run_.optional(Step::red_mark, [&] { font->set_color(color); });
    }

    void format_header()
    {
        const std::string heiti = run_.dialog.font_name(FontCombo::gwYjFontName);
        for (std::size_t i = 0; i < roles_.size(); ++i) {
            const Role role = roles_[i].role;
            if (role != Role::copy_number && role != Role::secrecy && role != Role::urgency) continue;
            set_font(i, heiti, kHeaderSize, word::Color::automatic);
            if (const auto f = paragraph_format(i)) {
                f->set_alignment(word::ParagraphAlignment::left);
                clear_first_line_indent(*f);
            }
        }

        const auto marks = all_of(roles_, Role::issuer_mark);
        for (std::size_t m = 0; m < marks.size(); ++m) {
            set_font(marks[m], run_.dialog.font_name(FontCombo::gwBtFontName), run_.size(SizeCombo::gwBzFontSize),
                     word::Color::red);
            const auto f = paragraph_format(marks[m]);
            if (!f) continue;
            f->set_alignment(word::ParagraphAlignment::center);
            clear_first_line_indent(*f);
            // Single spacing: an exact line would cut the large characters.
            f->set_line_spacing_rule(word::LineSpacingRule::single);
            // The lines above it (份号, 密级, 紧急程度) count in the 35 mm.
            if (m == 0)
                f->set_space_before(std::max(
                    0.0f, kMarkTopMillimetres * kPointsPerMillimetre - static_cast<float>(marks[0]) * line()));
        }

        const auto numbers = all_of(roles_, Role::document_number);
        if (numbers.empty()) return;
        const bool signer = std::any_of(numbers.begin(), numbers.end(), [&](std::size_t i) {
            return map_.paragraphs[i].text.find(U"签发人") != std::u32string::npos;
        });
        for (std::size_t n = 0; n < numbers.size(); ++n) {
            const std::size_t i = numbers[n];
            const Text text = map_.paragraphs[i].text;
            const auto f = paragraph_format(i);
            if (!f) continue;
            clear_first_line_indent(*f);
            // Two lines under the mark.
            if (n == 0 && !marks.empty()) f->set_space_before(2 * line());
            if (!signer) {
                f->set_alignment(word::ParagraphAlignment::center);
            } else {
                // Upward: the number one character in from the left, 签发人
                // one in from the right, at a right tab stop on the number's
                // line or right-aligned on its own.
                const bool own_line = text.find(U"签发人") == 0 || trimmed(text).starts_with(U"签发人");
                f->set_alignment(own_line ? word::ParagraphAlignment::right : word::ParagraphAlignment::left);
                left_indent(*f, own_line ? 0 : kSignerIndentCharacters, body_size());
                right_indent(*f, kSignerIndentCharacters, body_size());
                if (signer_split(text)) right_tab_stop(*f, right_edge(kSignerIndentCharacters, body_size()));
                signer_name(i);
            }
            // The red rule, type-area wide, 4 mm under the last line.
            if (n + 1 == numbers.size()) {
                run_.optional(Step::rules, [&] {
                    const auto borders = f->borders();
                    const auto bottom = borders->item(word::BorderSide::bottom);
                    bottom->set_line_style(word::LineStyle::single);
                    bottom->set_line_width(word::LineWidth::pt_1_50);
                    bottom->set_color(word::Color::red);
                    borders->set_distance_from_bottom(kRuleGapMillimetres * kPointsPerMillimetre);
                });
            }
        }
    }

    // The signer's name in 楷体, the label in the body's font.
    void signer_name(std::size_t i)
    {
        const Text text = map_.paragraphs[i].text;
        const std::size_t label = text.find(U"签发人");
        std::size_t name = text.find_first_of(U"：:", label);
        if (name == Text::npos) return;
        ++name;
        std::size_t end = text.size();
        while (end > name && is_space(text[end - 1])) --end;
        if (name >= end) return;
        const auto paragraph = found(i);
        if (!paragraph) return;
        const auto span = text_span(map_, i, *paragraph, name, end);
        if (!span) {
            note_skipped(notes_, i);
            return;
        }
        set_chinese_font(run_, *document().range(span->start, span->end)->font(),
                         run_.dialog.font_name(FontCombo::gwEjFontName));
    }

    void format_title_and_addressee()
    {
        const auto titles = all_of(roles_, Role::title);
        const bool under_header = !titles.empty() && titles.front() > 0 &&
                                  std::any_of(roles_.begin(), roles_.begin() + static_cast<std::ptrdiff_t>(titles.front()),
                                              [](const ParagraphRole& r) {
                                                  return r.role == Role::issuer_mark || r.role == Role::document_number;
                                              });
        for (const std::size_t i : titles) {
            set_font(i, run_.dialog.font_name(FontCombo::gwBtFontName), run_.size(SizeCombo::gwBtFontSize),
                     word::Color::automatic);
            if (const auto f = paragraph_format(i)) {
                f->set_alignment(word::ParagraphAlignment::center);
                clear_first_line_indent(*f);
                // Two lines under the red rule.
                if (under_header && i == titles.front()) f->set_space_before(2 * line());
            }
        }
        for (const std::size_t i : all_of(roles_, Role::addressee)) {
            if (const auto f = paragraph_format(i)) {
                f->set_alignment(word::ParagraphAlignment::left);
                clear_first_line_indent(*f);
            }
        }
    }

    void format_headings()
    {
        for (std::size_t i = 0; i < roles_.size(); ++i) {
            const ParagraphRole& role = roles_[i];
            if (role.role != Role::heading) continue;
            std::string far_east;
            switch (role.level) {
            case HeadingLevel::one: far_east = run_.dialog.font_name(FontCombo::gwYjFontName); break;
            case HeadingLevel::two: far_east = run_.dialog.font_name(FontCombo::gwEjFontName); break;
            case HeadingLevel::three:
                if (!run_.dialog.checked(CheckBox::gwSjjc)) continue;
                break;
            default: continue;  // the body's font already
            }
            const MappedParagraph& paragraph = map_.paragraphs[i];
            const std::int32_t length = utf16_length(paragraph.text);
            const std::size_t characters =
                role.heading_extent > length ? paragraph.text.size() : characters_in(paragraph.text, role.heading_extent);
            const auto whole = found(i);
            if (!whole) continue;
            std::vector<Span> spans;
            if (characters == paragraph.text.size()) {
                spans.push_back(whole->range);
            } else if (const auto run_in = text_span(map_, i, *whole, 0, characters)) {
                spans.push_back(*run_in);
                // The number Word draws takes the mark's font.
                if (!lists_[i].empty() && heading_level(paragraph.text) == HeadingLevel::none)
                    spans.push_back({whole->range.end - 1, whole->range.end});
            } else if (characters > 0) {
                note_skipped(notes_, i);
                continue;
            }
            for (const Span& span : spans) {
                const auto font = document().range(span.start, span.end)->font();
                if (far_east.empty())
                    font->set_bold(1);
                else
                    set_chinese_font(run_, *font, far_east);
            }
        }
    }

    // Every name under the first one's first character, wrapped lines too:
    // the label and number hang in front of the names.
    void format_attachment_note()
    {
        float names_at = 0;
        for (std::size_t i = 0; i < roles_.size(); ++i) {
            const Role role = roles_[i].role;
            if (role != Role::attachment_note && role != Role::attachment_note_item) continue;
            const Text text = map_.paragraphs[i].text;
            const float hanging = width_in_characters(text.substr(0, before_name(text, role == Role::attachment_note)));
            if (role == Role::attachment_note) names_at = kBodyIndentCharacters + hanging;
            if (const auto f = paragraph_format(i)) {
                f->set_alignment(word::ParagraphAlignment::left);
                left_indent(*f, names_at, body_size());
                first_line_indent(*f, -hanging, body_size());
            }
        }
    }

    void format_sign_off()
    {
        const auto lines = sign_off_lines(roles_);
        if (!lines) return;
        // Joint issuers stack their names, each as far from the right edge
        // as the widest one.
        std::u32string widest;
        for (const std::size_t organ : lines->organs) {
            const std::u32string name = trimmed(map_.paragraphs[organ].text);
            if (width_in_characters(name) > width_in_characters(widest)) widest = name;
        }
        const SignOffIndents indents = sign_off_indents(widest, map_.paragraphs[lines->date].text);
        const auto place = [&](std::size_t i, float indent) {
            if (const auto f = paragraph_format(i)) {
                f->set_alignment(word::ParagraphAlignment::right);
                clear_first_line_indent(*f);
                right_indent(*f, indent, body_size());
            }
        };
        for (const std::size_t organ : lines->organs) place(organ, indents.name);
        place(lines->date, indents.date);
    }

    void format_attachments()
    {
        std::optional<std::size_t> label;
        for (std::size_t i = 0; i < roles_.size(); ++i) {
            if (roles_[i].role == Role::attachment_label) {
                label = i;
                set_font(i, run_.dialog.font_name(FontCombo::gwYjFontName), kHeaderSize, word::Color::automatic);
                if (const auto f = paragraph_format(i)) {
                    f->set_alignment(word::ParagraphAlignment::left);
                    clear_first_line_indent(*f);
                    run_.optional(Step::attachment_pages, [&] { f->set_page_break_before(word::wdTrue); });
                }
            } else if (roles_[i].role == Role::attachment_title) {
                set_font(i, run_.dialog.font_name(FontCombo::gwBtFontName), run_.size(SizeCombo::gwBtFontSize),
                         word::Color::automatic);
                const auto f = paragraph_format(i);
                if (!f) continue;
                f->set_alignment(word::ParagraphAlignment::center);
                clear_first_line_indent(*f);
                // On the third line: what empty lines there are count.
                const std::size_t blanks = label ? i - *label - 1 : 0;
                if (label && blanks < 1) f->set_space_before(line());
            }
        }
    }

    // 4号 in the body's font, one character in on both sides; 抄送 wrapped
    // after its colon; the 印发 date at a right tab stop on the right edge;
    // thick rules above the first and under the last element, thin ones
    // between.
    void format_imprint()
    {
        std::vector<std::size_t> lines;
        for (std::size_t i = 0; i < roles_.size(); ++i)
            if (roles_[i].role == Role::copy_to || roles_[i].role == Role::printed_by) lines.push_back(i);
        if (lines.empty()) return;
        float label_width = 0;
        for (std::size_t n = 0; n < lines.size(); ++n) {
            const std::size_t i = lines[n];
            const Text text = map_.paragraphs[i].text;
            const bool printed = roles_[i].role == Role::printed_by;
            const std::size_t label = printed ? 0 : copy_to_label(text);
            if (label > 0) label_width = width_in_characters(text.substr(0, label));
            // An element ends before the next one's first line.
            const bool last = n + 1 == lines.size();
            const bool element_ends =
                last || roles_[lines[n + 1]].role == Role::printed_by || copy_to_label(map_.paragraphs[lines[n + 1]].text) > 0;

            if (const auto whole = range(i)) whole->font()->set_size(kImprintSize);
            const auto f = paragraph_format(i);
            if (!f) continue;
            f->set_alignment(word::ParagraphAlignment::left);
            right_indent(*f, kImprintIndentCharacters, kImprintSize);
            left_indent(*f, kImprintIndentCharacters + (printed ? 0 : label_width), kImprintSize);
            if (label > 0)
                first_line_indent(*f, -label_width, kImprintSize);
            else
                clear_first_line_indent(*f);
            if (printed && printed_split(text)) right_tab_stop(*f, right_edge(kImprintIndentCharacters, kImprintSize));
            if (n == 0 || element_ends) {
                run_.optional(Step::rules, [&] {
                    const auto borders = f->borders();
                    if (n == 0) rule(*borders->item(word::BorderSide::top), word::LineWidth::pt_1_00);
                    if (element_ends)
                        rule(*borders->item(word::BorderSide::bottom),
                             last ? word::LineWidth::pt_1_00 : word::LineWidth::pt_0_75);
                });
            }
        }
    }

    // The last rule on the type area's bottom edge: space before the
    // imprint, as much as Word's layout of the page leaves under its last
    // line. Measured after every other format, the imprint's space before
    // being none yet; an imprint that runs onto another page stays.
    void keep_imprint_at_foot()
    {
        std::vector<std::size_t> lines;
        for (std::size_t i = 0; i < roles_.size(); ++i)
            if (roles_[i].role == Role::copy_to || roles_[i].role == Role::printed_by) lines.push_back(i);
        if (lines.empty()) return;
        const auto first = find_paragraph(run_, map_, lines.front());
        const auto last = find_paragraph(run_, map_, lines.back());
        if (!first || !last) return;
        float top = 0;
        float last_top = 0;
        const bool measured = run_.optional(Step::imprint_at_foot, [&] {
            top = document().range(first->range.start, first->range.start)->information(
                word::Information::vertical_position_relative_to_page);
            last_top = document().range(last->range.end - 1, last->range.end - 1)->information(
                word::Information::vertical_position_relative_to_page);
        });
        if (!measured) return;
        if (last_top < top) {
            notes_.push_back("版记跨页，未移至末页底端");
            return;
        }
        const float bottom = kPageHeight - run_.centimetres_in_points(Edit::gwBottom);
        const float space = bottom - (last_top + line() + kLastRulePoints);
        if (space > 0) document().range(first->range.start, first->range.end)->paragraph_format()->set_space_before(space);
    }

    void right_tab_stop(word::ParagraphFormat& format, float position)
    {
        run_.optional(Step::tab_stops, [&] {
            const auto stops = format.tab_stops();
            stops->clear_all();
            stops->add(position, word::TabAlignment::right);
        });
    }

    static void rule(word::Border& border, word::LineWidth width)
    {
        border.set_line_style(word::LineStyle::single);
        border.set_line_width(width);
    }
};

}  // namespace

OfficialReading read_official_document(RunContext& run)
{
    OfficialReading reading;
    reading.map = read_document_map(run);
    const DocumentMap& map = reading.map;
    reading.list_strings.assign(map.paragraphs.size(), "");
    const bool listed = run.optional(Step::list_headings, [&] {
        const auto items = run.document().list_paragraphs();
        const std::int32_t count = items->count();
        for (std::int32_t i = 1; i <= count; ++i) {
            const auto range = items->item(i)->range();
            std::string number = range->list_format()->list_string();
            if (number.empty()) continue;
            const std::int32_t start = range->start();
            if (const auto found = locate_paragraph(map, start, map.exact ? std::string() : range->text()))
                reading.list_strings[*found] = std::move(number);
        }
    });
    if (!listed) reading.list_strings.assign(map.paragraphs.size(), "");
    std::vector<OfficialParagraph> paragraphs;
    paragraphs.reserve(map.paragraphs.size());
    for (std::size_t i = 0; i < map.paragraphs.size(); ++i)
        paragraphs.push_back({map.paragraphs[i].text, reading.list_strings[i], map.paragraphs[i].in_table});
    reading.roles = recognise_official_document(paragraphs);
    return reading;
}

bool edit_official_document(RunContext& run, const OfficialReading& reading, Notes& notes)
{
    return Layout(run, reading, notes).edit();
}

void lay_out_official_document(RunContext& run, const OfficialReading& reading, Notes& notes)
{
    Layout(run, reading, notes).format();
}

}  // namespace typeset
