// The stand-in Word: an in-memory application with Word-like effects for the
// members Tidyset calls. Tests build and inspect it directly; the adapter of
// in_memory_word.h (and a COM server) expose it as Word's object model, each
// member call first going through call() and then through one operation here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tests/standin/dump.h"
#include "tests/standin/state.h"
#include "tests/standin/text_load.h"

namespace standin {

// Word's own failures, as Word describes them.
inline constexpr std::int32_t hresult_no_document = static_cast<std::int32_t>(0x800A1098u);
inline constexpr std::int32_t hresult_no_such_member = static_cast<std::int32_t>(0x800A1745u);
inline constexpr std::int32_t hresult_out_of_range = static_cast<std::int32_t>(0x800A17ECu);
inline constexpr std::int32_t hresult_object_deleted = static_cast<std::int32_t>(0x800A16C1u);
inline constexpr const char* no_document_text = "This command is not available because no document is open.";
inline constexpr const char* no_such_member_text = "The requested member of the collection does not exist.";
inline constexpr const char* out_of_range_text = "Value out of range.";
inline constexpr const char* object_deleted_text = "Object has been deleted.";
inline constexpr std::int32_t hresult_refused = static_cast<std::int32_t>(0x800A1066u);
inline constexpr const char* refused_text = "Command failed";

class WordError : public std::runtime_error {
public:
    WordError(std::string description_text, std::int32_t code)
        : std::runtime_error(description_text), description(std::move(description_text)), hresult(code) {}

    std::string description;
    std::int32_t hresult;
    std::string source = "Microsoft Word";
};

using DocumentId = std::size_t;  // index into WordModel::documents

// Range.TextRetrievalMode: what Range.Text shows of the range besides the
// text as read, a field's result.
struct TextRetrieval {
    bool include_field_codes = false;
    bool include_hidden_text = false;
};

// A range as fetched: Word's objects are snapshots, and edits made after the
// fetch do not move it. Stale bounds are clamped to the story when used.
struct RangeRef {
    DocumentId document;
    std::int32_t start;
    std::int32_t end;
    // 0: the main text; a footer: footer_story().
    std::int32_t story = 0;
    // Word keeps it per Range object; a range fetched anew has neither.
    TextRetrieval retrieval = {};
};

// The story number of a footer: section 1-based.
constexpr std::int32_t footer_story(std::int32_t section, word::HeaderFooterIndex index)
{
    return 1 + (section - 1) * 3 + static_cast<std::int32_t>(footer_slot(index));
}

struct ParagraphRef {
    DocumentId document;
    std::int32_t index;  // 1-based, resolved again at each use
};

enum class Margin { top, bottom, left, right };
enum class ParagraphSetting { alignment, line_spacing_rule, space_before_auto, space_after_auto, page_break_before };
enum class ParagraphMeasure {
    line_spacing, space_after, first_line_indent, right_indent, line_unit_before, line_unit_after, left_indent,
    character_unit_first_line_indent, character_unit_left_indent, character_unit_right_indent, space_before,
    border_distance_from_bottom
};
enum class BorderSetting { line_style, line_width, color };
enum class PageSetting { paper_size, layout_mode, odd_and_even_pages_header_footer, different_first_page_header_footer };
enum class PageMeasure { lines_page, chars_line, footer_distance };

class WordModel {
public:
    // Application.Name.
    std::string application_name = "Microsoft Word";
    // Member names the stand-in does not have, on any object ("NameFarEast"),
    // as WPS Writer lacks some of Word's; and those whose every call fails
    // with a Word error, as a server that refuses a value does.
    std::set<std::string, std::less<>> lacking;
    std::set<std::string, std::less<>> refused;
    bool lacks(std::string_view member) const { return lacking.contains(member); }

    bool visible = false;
    bool screen_updating = true;
    // The active document is the last one: the most recently opened.
    std::vector<DocumentState> documents;
    std::vector<std::string> calls;

    DocumentState& active();
    void open(DocumentState document);

    // Call recording and fault injection. Every member call of the object
    // model passes through call() first, named like "Paragraphs.Item".
    void call(const char* member);
    std::size_t call_count() const { return total_calls_; }
    std::size_t count(std::string_view member) const;
    // The k-th member call from now (1 = the next) throws this error instead
    // of acting; it is still recorded.
    void fail_call(std::size_t k, std::string description, std::int32_t hresult);

    // Application
    std::int32_t document_count() const;
    DocumentId active_document() const;

    // Application.UndoRecord: what the active document went through between
    // the outermost start and its end is one undo step of that name; nested
    // records join the outer one. Changes outside a custom record leave no
    // undo step in the stand-in.
    void start_custom_record(std::string_view name);
    void end_custom_record();
    bool recording_custom_record() const { return record_depth_ > 0; }
    // Document.Undo: takes back the document's last undo step; false when
    // there is none.
    bool undo(DocumentId document);

    // Document
    void set_user_control(DocumentId document, bool user_control);
    RangeRef whole_story(DocumentId document);  // Content, and Range() without bounds
    void set_margin(DocumentId document, Margin margin, float points);
    // PaperSize wdPaperA4 and wdPaperLetter also set the page's size.
    void set_page_setting(DocumentId document, PageSetting setting, std::int32_t value);
    void set_page_measure(DocumentId document, PageMeasure measure, float value);
    // Sections.Item(section).Footers(index).Range: the footer's whole story;
    // of a footer linked to the previous section's, the story of the nearest
    // earlier one that is not linked, which Word shows and edits instead.
    RangeRef footer_range(DocumentId document, std::int32_t section, word::HeaderFooterIndex index);
    // HeaderFooter.LinkToPrevious.
    bool footer_linked(DocumentId document, std::int32_t section, word::HeaderFooterIndex index);
    // Sections.Count, and Section.Range: the section's paragraphs, its break
    // included.
    std::int32_t section_count(DocumentId document);
    RangeRef section_range(DocumentId document, std::int32_t section);
    // Document.Tables: Count, and Item(table).Range from the table's first
    // paragraph to after its last end-of-row mark.
    std::int32_t table_count(DocumentId document);
    RangeRef table_range(DocumentId document, std::int32_t table);
    // Document.ListParagraphs: the paragraphs with a list string, 1-based
    // indexes in document order.
    std::vector<std::int32_t> list_paragraphs(DocumentId document);
    std::int32_t paragraph_count(DocumentId document);
    ParagraphRef paragraph(DocumentId document, std::int32_t index);
    ParagraphRef last_paragraph(DocumentId document);
    // Word answers Nothing before the first paragraph; the stand-in fails as
    // for a missing item, which callers never ask for.
    ParagraphRef previous_paragraph(const ParagraphRef& paragraph, std::int32_t count);
    // Document.Range(Start, End).
    RangeRef range_between(DocumentId document, std::int32_t start, std::int32_t end);
    RangeRef paragraph_range(const ParagraphRef& paragraph);  // with its mark

    // Range
    std::int32_t range_start(const RangeRef& range);
    std::int32_t range_end(const RangeRef& range);
    // As the range's retrieval says; marks as "\r", "\r\a" or "\f".
    std::string range_text(const RangeRef& range);
    std::int32_t character_count(const RangeRef& range);
    // Returns the number of characters deleted, as Word does.
    std::int32_t delete_range(const RangeRef& range, word::Unit unit, std::int32_t count);
    void insert_paragraph_after(const RangeRef& range);
    void insert_after(const RangeRef& range, std::string_view utf8);
    // Range.Text put: the range's text replaced (the final mark stays); the
    // range that then holds the new text.
    RangeRef set_text(const RangeRef& range, std::string_view utf8);
    // Range.SetRange: the range moved within its story.
    RangeRef moved_range(const RangeRef& range, std::int32_t start, std::int32_t end);
    // Fields.Add(range, type): the field in place of the range's text. The
    // stand-in knows the page number, field_text(U" PAGE ", U"1"), only.
    void add_field(const RangeRef& range, word::FieldType type);
    // ListFormat.ListString of the range's first paragraph.
    std::string list_string(const RangeRef& range);
    // ListFormat.RemoveNumbers: every paragraph the range touches stops being
    // a list item.
    void remove_numbers(const RangeRef& range);

    // ParagraphFormat of a range or the selection: every paragraph the range
    // touches (a collapsed range: the paragraph it is in).
    void set_paragraph_setting(const RangeRef& range, ParagraphSetting setting, std::int32_t value);
    void set_paragraph_measure(const RangeRef& range, ParagraphMeasure measure, float value);
    // ParagraphFormat.Borders.Item(side): wdBorderTop or wdBorderBottom only.
    void require_border(word::BorderSide side);
    void set_border(const RangeRef& range, word::BorderSide side, BorderSetting setting, std::int32_t value);
    // ParagraphFormat.TabStops: ClearAll, and Add, which replaces a stop at
    // the same position.
    void clear_tab_stops(const RangeRef& range);
    void add_tab_stop(const RangeRef& range, float position, word::TabAlignment alignment);

    // Font of the selection: every character of the range, marks included; a
    // collapsed range in an empty paragraph formats that paragraph's mark.
    void set_font_name(const RangeRef& range, const std::string& name);
    void set_font_size(const RangeRef& range, float points);
    void set_font_bold(const RangeRef& range, std::int32_t bold);
    void set_font_color(const RangeRef& range, word::Color color);
    void set_font_underline(const RangeRef& range, word::Underline underline);
    // Range.Information(Information::vertical_position_relative_to_page) in the main
    // story, by a simple pagination: pages of the type area's height, lines
    // as high as an exact spacing, or 1.2 times the largest character (times
    // the rule), a table row as high as its highest cell; space before, and
    // page breaks before; a line that does not fit starts the next page,
    // without the space before it.
    float information(const RangeRef& range, word::Information type);
    // Range.HighlightColorIndex, to the same characters as Font.
    void set_highlight(const RangeRef& range, word::HighlightColor index);
    // Font.Name put an East Asian font (the stand-in's rule: a name that is
    // not plain ASCII) sets the Chinese text's font as well; NameFarEast
    // sets only that.
    void set_font_name_far_east(const RangeRef& range, const std::string& name);

    // Selection, one per document.
    RangeRef selection(DocumentId document);
    void set_selection(DocumentId document, std::int32_t start, std::int32_t end);
    void home_key(DocumentId document, word::Unit unit, word::Movement movement);
    void end_key(DocumentId document, word::Unit unit, word::Movement movement);

private:
    struct Fault {
        std::size_t call_number;
        std::string description;
        std::int32_t hresult;
    };

    DocumentState& document(DocumentId id);
    Story& story(const RangeRef& range);
    // erase() in the range's story.
    std::int32_t erase_in(const RangeRef& range, std::int32_t from, std::int32_t to);
    void require_section(DocumentId document, std::int32_t section);
    template <class Change>
    void format_paragraphs(const RangeRef& range, Change change);
    template <class Change>
    void format_characters(const RangeRef& range, Change change);

    std::size_t total_calls_ = 0;
    std::vector<Fault> faults_;

    std::size_t record_depth_ = 0;
    bool record_has_document_ = false;
    DocumentId record_document_ = 0;
    UndoStep record_;
};

}  // namespace standin
