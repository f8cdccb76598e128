#include "typeset/official_roles.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/utf8.h"

namespace typeset {

namespace {

// A line holds 28 characters of the body's size.
inline constexpr float kLineCharacters = 28;
// Joint issuers may stack their names above the document number.
inline constexpr std::size_t kMostIssuerLines = 4;
// A 抄送 line wrapped by hand.
inline constexpr std::size_t kMostCopyToLines = 3;

using Text = std::u32string_view;

bool contains(Text text, Text part) { return text.find(part) != Text::npos; }
bool contains_any(Text text, Text characters) { return text.find_first_of(characters) != Text::npos; }

bool is_arabic_digit(char32_t c) { return (c >= U'0' && c <= U'9') || (c >= U'０' && c <= U'９'); }

bool all_arabic_digits(Text text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), is_arabic_digit);
}

bool is_space_or_control(char32_t c) { return c < 0x20 || c == U' ' || c == U'\u3000' || c == U'\u00A0'; }

// Without any blank inside: "特  急" as some templates space it.
std::u32string compact(Text text)
{
    std::u32string out(text);
    std::erase_if(out, is_space_or_control);
    return out;
}

bool has_sentence_punctuation(Text text) { return contains_any(text, U"。，；：！？,;:!?"); }

// Closing quotes and brackets after the sentence's end are its own.
bool ends_sentence(Text text)
{
    while (!text.empty() && contains_any(text.substr(text.size() - 1), U"”’」』》）)\"'")) text.remove_suffix(1);
    return !text.empty() && contains_any(text.substr(text.size() - 1), U"。！？!?");
}

bool wholly_in_parentheses(Text text)
{
    if (text.size() < 2 || (text.front() != U'（' && text.front() != U'(') ||
        (text.back() != U'）' && text.back() != U')'))
        return false;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'（' || text[i] == U'(') ++depth;
        if (text[i] == U'）' || text[i] == U')') --depth;
        if (depth == 0 && i + 1 < text.size()) return false;
    }
    return depth == 0;
}

bool is_copy_number(Text text) { return text.size() == 6 && all_arabic_digits(text); }

// "秘密", "机密★1年", "绝密★启用前".
bool is_secrecy(Text text)
{
    const std::u32string line = compact(text);
    const Text view = line;
    if (!view.starts_with(U"绝密") && !view.starts_with(U"机密") && !view.starts_with(U"秘密")) return false;
    const Text term = view.substr(2);
    if (term.empty()) return true;
    return term.size() >= 2 && term.size() <= 8 && contains_any(term.substr(0, 1), U"★☆*＊") &&
           !has_sentence_punctuation(term);
}

bool is_urgency(Text text)
{
    const std::u32string line = compact(text);
    return line == U"特急" || line == U"加急" || line == U"特提" || line == U"平急";
}

// "某政发〔2026〕5号", and the same in the brackets users type instead of
// "〔〕": the whole line must read so.
bool is_number_itself(Text text)
{
    constexpr std::array<std::pair<char32_t, char32_t>, 7> brackets{{
        {U'〔', U'〕'}, {U'［', U'］'}, {U'[', U']'}, {U'【', U'】'}, {U'﹝', U'﹞'}, {U'（', U'）'}, {U'(', U')'},
    }};
    for (const auto& [open, close] : brackets) {
        const std::size_t at = text.find(open);
        if (at == Text::npos || at == 0 || at + 6 >= text.size() || text[at + 5] != close) continue;
        const Text prefix = text.substr(0, at);
        const Text number = text.substr(at + 6, text.size() - at - 7);
        if (text.back() == U'号' && all_arabic_digits(text.substr(at + 1, 4)) && all_arabic_digits(number) &&
            !has_sentence_punctuation(prefix) && !contains_any(prefix, U" \u3000\t"))
            return true;
    }
    return false;
}

bool is_signer_line(Text text)
{
    const std::u32string line = compact(text);
    return line.starts_with(U"签发人：") || line.starts_with(U"签发人:");
}

// The number, and on an upward document "签发人：某某" beside it.
bool is_document_number(Text text)
{
    const std::size_t signer = text.find(U"签发人");
    if (signer == Text::npos) return is_number_itself(trimmed(text));
    return signer > 0 && is_number_itself(trimmed(text.substr(0, signer))) && is_signer_line(text.substr(signer));
}

bool is_attachment_label(Text text)
{
    const std::u32string line = compact(text);
    const Text view = line;
    return view.starts_with(U"附件") && (view.size() == 2 || all_arabic_digits(view.substr(2)));
}

bool is_note_start(Text text)
{
    const std::u32string line = compact(text);
    return line.starts_with(U"附件：") || line.starts_with(U"附件:");
}

// "2.检查工作分工表", as the attachment note numbers its lines.
bool is_note_item(Text text)
{
    std::size_t digits = 0;
    while (digits < text.size() && is_arabic_digit(text[digits])) ++digits;
    return digits > 0 && digits + 1 < text.size() && contains_any(text.substr(digits, 1), U".．、");
}

bool is_copy_to(Text text)
{
    const std::u32string line = compact(text);
    // A long 主送 list moved down to the imprint reads the same.
    return line.starts_with(U"抄送：") || line.starts_with(U"抄送:") || line.starts_with(U"主送：") ||
           line.starts_with(U"主送:");
}

// "某某市人民政府办公室 2026年12月8日印发".
bool is_printed_by(Text text)
{
    if (!text.ends_with(U"印发")) return false;
    const Text before = text.substr(0, text.size() - 2);
    for (std::size_t from = 0; from < before.size(); ++from) {
        if (is_date_line(before.substr(from))) return true;
    }
    return false;
}

// The lines a body may close with just above the sign-off.
bool is_closing_phrase(Text text)
{
    return text.starts_with(U"特此") || text == U"此复" || text == U"此致" || text == U"敬礼";
}

class Reading {
public:
    explicit Reading(const std::vector<OfficialParagraph>& paragraphs) : paragraphs_(paragraphs)
    {
        lines_.reserve(paragraphs.size());
        roles_.resize(paragraphs.size());
        for (std::size_t i = 0; i < paragraphs.size(); ++i) {
            std::u32string shown = platform::decode_utf8(paragraphs[i].list_string) + paragraphs[i].text;
            // Page and line breaks, cell marks: nothing a reader sees.
            std::erase_if(shown, [](char32_t c) { return c < 0x20 && c != U'\t'; });
            lines_.push_back(trimmed(shown));
            if (paragraphs[i].in_table)
                roles_[i].role = Role::table;
            else if (!lines_.back().empty())
                roles_[i].role = Role::body;
        }
    }

    std::vector<ParagraphRole> read()
    {
        const std::size_t top = read_header();
        const std::size_t end = read_imprint(top);

        std::size_t main_end = end;
        std::size_t attachments = end;
        const std::size_t first = next_written(top, end);
        if (const auto date = sign_off_date(top, end)) {
            main_end = read_organs(*date, first);
            std::size_t after = next_written(*date + 1, end);
            while (after < end && is_annotation(after)) {
                roles_[after].role = Role::annotation;
                after = next_written(after + 1, end);
            }
            attachments = after;
        } else {
            attachments = first_label(first + 1, end);
            main_end = attachments;
            // Without a sign-off, an annotation still closes the main text.
            const std::size_t last = last_written(first + 1, main_end);
            if (last < main_end && is_annotation(last) && heading_level(lines_[last]) == HeadingLevel::none) {
                roles_[last].role = Role::annotation;
                main_end = last;
            }
        }

        const std::size_t body_end = read_attachment_note(first, main_end);
        const std::size_t body_start = read_title_and_addressee(top, body_end);
        for (std::size_t i = body_start; i < body_end; ++i) read_body_line(i, Role::body);
        read_attachments(attachments, end);
        return std::move(roles_);
    }

private:
    const std::vector<OfficialParagraph>& paragraphs_;
    std::vector<std::u32string> lines_;
    std::vector<ParagraphRole> roles_;

    bool written(std::size_t i) const { return roles_[i].role != Role::blank; }
    bool plain(std::size_t i) const { return !paragraphs_[i].in_table && written(i); }

    // The first paragraph from `from` with something in it, or `to`.
    std::size_t next_written(std::size_t from, std::size_t to) const
    {
        while (from < to && !written(from)) ++from;
        return std::min(from, to);
    }
    // The last paragraph before `to` with something in it, or `to`.
    std::size_t last_written(std::size_t from, std::size_t to) const
    {
        for (std::size_t i = to; i > from; --i)
            if (written(i - 1)) return i - 1;
        return to;
    }

    bool is_annotation(std::size_t i) const { return plain(i) && wholly_in_parentheses(lines_[i]); }

    // "附件1" opens an attachment; under a label "附件" a numbered line
    // means an attachment note written over several lines.
    bool is_label(std::size_t i, std::size_t end) const
    {
        if (!plain(i) || !is_attachment_label(lines_[i])) return false;
        const std::size_t next = next_written(i + 1, end);
        return next >= end || (heading_level(lines_[next]) == HeadingLevel::none && !is_note_item(lines_[next]));
    }
    std::size_t first_label(std::size_t from, std::size_t end) const
    {
        for (std::size_t i = from; i < end; ++i)
            if (is_label(i, end)) return i;
        return end;
    }

    // 份号, 密级, 紧急程度 in any order, then the issuing organ's mark and
    // the document number. Returns the first paragraph after them.
    std::size_t read_header()
    {
        const std::size_t count = lines_.size();
        std::size_t top = 0;
        std::size_t i = next_written(0, count);
        std::array<bool, 3> seen{};
        while (i < count && plain(i)) {
            const Text line = lines_[i];
            const int kind = is_copy_number(line) ? 0 : is_secrecy(line) ? 1 : is_urgency(line) ? 2 : -1;
            if (kind < 0 || seen[static_cast<std::size_t>(kind)]) break;
            seen[static_cast<std::size_t>(kind)] = true;
            roles_[i].role = std::array{Role::copy_number, Role::secrecy, Role::urgency}[static_cast<std::size_t>(kind)];
            top = i + 1;
            i = next_written(i + 1, count);
        }

        std::vector<std::size_t> marks;
        while (i < count && plain(i) && !is_document_number(lines_[i]) && marks.size() < kMostIssuerLines &&
               could_be_organ(i, 2 * kLineCharacters)) {
            marks.push_back(i);
            i = next_written(i + 1, count);
        }
        if (i < count && plain(i) && is_document_number(lines_[i])) {
            for (const std::size_t mark : marks) roles_[mark].role = Role::issuer_mark;
            roles_[i].role = Role::document_number;
            top = i + 1;
            // 签发人 on a line of its own.
            for (i = next_written(i + 1, count); i < count && plain(i) && is_signer_line(lines_[i]);
                 i = next_written(i + 1, count)) {
                roles_[i].role = Role::document_number;
                top = i + 1;
            }
            return top;
        }
        // "某某市人民政府文件" without a number still heads the document; a
        // title about documents begins with "关于".
        for (std::size_t m = 0; m < marks.size(); ++m) {
            const Text line = lines_[marks[m]];
            if (!line.ends_with(U"文件") || contains(line, U"关于")) continue;
            if (next_written(marks[m] + 1, count) >= count) break;
            for (std::size_t k = 0; k <= m; ++k) roles_[marks[k]].role = Role::issuer_mark;
            top = marks[m] + 1;
            break;
        }
        return top;
    }

    // A name on a line of its own: short and no sentence in it.
    bool could_be_organ(std::size_t i, float widest) const
    {
        const Text line = lines_[i];
        return plain(i) && width_in_characters(line) <= widest && !has_sentence_punctuation(line) &&
               heading_level(line) == HeadingLevel::none;
    }

    // 抄送 lines and the 印发 line at the very end. Returns the first
    // paragraph of the imprint, or the count without one.
    std::size_t read_imprint(std::size_t top)
    {
        std::size_t end = lines_.size();
        bool printed = false;
        for (;;) {
            const std::size_t at = last_written(top, end);
            if (at >= end) break;
            if (paragraphs_[at].in_table) {
                // An imprint laid out in a table stays a table.
                std::size_t start = at;
                while (start > top && paragraphs_[start - 1].in_table) --start;
                bool imprint = false;
                for (std::size_t i = start; i <= at; ++i)
                    imprint = imprint || is_copy_to(lines_[i]) || is_printed_by(lines_[i]);
                if (!imprint) break;
                end = start;
                continue;
            }
            const Text line = lines_[at];
            if (!printed && end == lines_.size() && is_printed_by(line)) {
                roles_[at].role = Role::printed_by;
                printed = true;
                end = at;
                continue;
            }
            if (is_copy_to(line)) {
                roles_[at].role = Role::copy_to;
                end = at;
                continue;
            }
            // A 抄送 list broken into lines by hand: its 抄送 line a few
            // lines up, nothing blank between.
            std::size_t start = at;
            while (start > top && at - start < kMostCopyToLines && plain(start - 1) && !is_copy_to(lines_[start]))
                --start;
            if (start == at || !is_copy_to(lines_[start])) break;
            for (std::size_t i = start; i <= at; ++i) roles_[i].role = Role::copy_to;
            end = start;
        }
        return end;
    }

    // The sign-off's date: the first date line followed by nothing but
    // annotations, attachments and the imprint. A date in an attachment
    // does not count.
    std::optional<std::size_t> sign_off_date(std::size_t top, std::size_t end) const
    {
        for (std::size_t i = top; i < end; ++i) {
            if (is_label(i, end)) return std::nullopt;
            if (!plain(i) || !is_date_line(lines_[i])) continue;
            std::size_t after = next_written(i + 1, end);
            while (after < end && is_annotation(after)) after = next_written(after + 1, end);
            if (after >= end || is_label(after, end)) return i;
        }
        return std::nullopt;
    }

    // The organ lines stacked right above the date; the first written line
    // of the document is the title's, never an organ. Returns where the
    // sign-off starts.
    std::size_t read_organs(std::size_t date, std::size_t first)
    {
        roles_[date].role = Role::sign_off_date;
        std::size_t start = date;
        while (start > first + 1 && could_be_organ(start - 1, kLineCharacters) &&
               !is_closing_phrase(lines_[start - 1]) && !is_attachment_label(lines_[start - 1]))
            --start;
        for (std::size_t i = start; i < date; ++i) roles_[i].role = Role::sign_off_organ;
        return start;
    }

    // "附件：1.…" and its further lines "2.…" at the end of the body.
    // Returns where the body ends.
    std::size_t read_attachment_note(std::size_t first, std::size_t main_end)
    {
        std::vector<std::size_t> items;
        for (std::size_t to = main_end;;) {
            // The first written line is the title's.
            const std::size_t at = last_written(first + 1, to);
            if (at == to || !plain(at)) return main_end;
            if (is_note_start(lines_[at])) {
                roles_[at].role = Role::attachment_note;
                for (const std::size_t item : items) roles_[item].role = Role::attachment_note_item;
                return at;
            }
            if (!is_note_item(lines_[at])) return main_end;
            items.push_back(at);
            to = at;
        }
    }

    bool could_be_title(std::size_t i) const
    {
        const Text line = lines_[i];
        return plain(i) && heading_level(line) == HeadingLevel::none && !ends_with_colon(line) &&
               !ends_sentence(line) && width_in_characters(line) <= 2 * kLineCharacters && !is_date_line(line);
    }

    bool could_be_addressee(std::size_t i) const
    {
        const Text line = lines_[i];
        return plain(i) && ends_with_colon(line) && !contains(line, U"。") && !line.ends_with(U"如下：") &&
               !line.ends_with(U"如下:") && width_in_characters(line) <= 2 * kLineCharacters &&
               heading_level(line) == HeadingLevel::none;
    }

    // The title's lines, one after another, then the addressee after any
    // blank lines. Returns where the body starts.
    std::size_t read_title_and_addressee(std::size_t top, std::size_t body_end)
    {
        std::size_t i = next_written(top, body_end);
        while (i < body_end && written(i) && could_be_title(i)) roles_[i++].role = Role::title;
        const std::size_t next = next_written(i, body_end);
        if (next < body_end && could_be_addressee(next)) {
            roles_[next].role = Role::addressee;
            return next + 1;
        }
        return i;
    }

    void read_body_line(std::size_t i, Role role)
    {
        if (!plain(i)) return;
        const HeadingLevel level = heading_level(lines_[i]);
        if (level == HeadingLevel::none) {
            roles_[i].role = role;
            return;
        }
        const std::u32string& text = paragraphs_[i].text;
        roles_[i] = {Role::heading, level, heading_extent(TextParagraph{0, utf16_length(text), text})};
    }

    // Each "附件1" line opens an attachment: its title on the next written
    // line, then its body.
    void read_attachments(std::size_t from, std::size_t end)
    {
        for (std::size_t i = from; i < end; ++i) {
            if (!is_label(i, end)) {
                read_body_line(i, Role::attachment_body);
                continue;
            }
            roles_[i].role = Role::attachment_label;
            const std::size_t title = next_written(i + 1, end);
            if (title < end && plain(title) && !is_label(title, end)) {
                roles_[title].role = Role::attachment_title;
                i = title;
            }
        }
    }
};

}  // namespace

std::vector<ParagraphRole> recognise_official_document(const std::vector<OfficialParagraph>& paragraphs)
{
    return Reading(paragraphs).read();
}

std::string recognised_summary(const std::vector<ParagraphRole>& roles)
{
    const auto part_of = [](Role role) -> std::string {
        switch (role) {
        case Role::copy_number:
        case Role::secrecy:
        case Role::urgency:
        case Role::issuer_mark:
        case Role::document_number: return "版头";
        case Role::title: return "标题";
        case Role::addressee: return "主送机关";
        case Role::attachment_note: return "附件说明";
        case Role::sign_off_organ:
        case Role::sign_off_date: return "落款";
        case Role::annotation: return "附注";
        case Role::attachment_label: return "附件";
        case Role::copy_to:
        case Role::printed_by: return "版记";
        default: return "";
        }
    };
    std::vector<std::string> parts;
    for (const ParagraphRole& role : roles) {
        std::string part = part_of(role.role);
        if (part.empty() || std::find(parts.begin(), parts.end(), part) != parts.end()) continue;
        parts.push_back(std::move(part));
    }
    if (parts.empty()) return "";
    const auto titles = std::count_if(roles.begin(), roles.end(), [](const ParagraphRole& r) { return r.role == Role::title; });
    std::string summary = "已识别：";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) summary += "、";
        summary += parts[i];
        if (parts[i] == "标题") summary += "（" + std::to_string(titles) + " 行）";
    }
    return summary;
}

std::optional<SignOffLines> sign_off_lines(const std::vector<ParagraphRole>& roles)
{
    SignOffLines lines{{}, 0};
    for (std::size_t i = 0; i < roles.size(); ++i) {
        if (roles[i].role == Role::sign_off_organ) lines.organs.push_back(i);
        if (roles[i].role == Role::sign_off_date) {
            lines.date = i;
            return lines;
        }
    }
    return std::nullopt;
}

std::size_t new_sign_off_after(const std::vector<ParagraphRole>& roles)
{
    const auto closing = std::find_if(roles.begin(), roles.end(), [](const ParagraphRole& r) {
        switch (r.role) {
        case Role::sign_off_organ:
        case Role::sign_off_date:
        case Role::annotation:
        case Role::attachment_label:
        case Role::copy_to:
        case Role::printed_by: return true;
        default: return false;
        }
    });
    std::size_t after = static_cast<std::size_t>(closing - roles.begin());
    while (after > 0 && roles[after - 1].role == Role::blank) --after;
    return after > 0 ? after - 1 : 0;
}

}  // namespace typeset
