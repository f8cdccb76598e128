// The part of Word's automation object model that Tidyset uses.
//
// Each member maps to exactly one automation call on Word's object of the
// same name. Objects are returned fresh by every getter. Word's paragraphs,
// ranges and selection change under us as the document is edited, so callers
// keep an object only while nothing they do can change what it stands for,
// and ask Word again after an edit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace word {

// Word's enumeration values, passed as plain integers.
inline constexpr std::int32_t wdAlignParagraphLeft = 0;
inline constexpr std::int32_t wdAlignParagraphCenter = 1;
inline constexpr std::int32_t wdAlignParagraphRight = 2;
inline constexpr std::int32_t wdAlignParagraphJustify = 3;
inline constexpr std::int32_t wdLineSpaceExactly = 4;
inline constexpr std::int32_t wdCharacter = 1;
inline constexpr std::int32_t wdLine = 5;
inline constexpr std::int32_t wdStory = 6;
inline constexpr std::int32_t wdMove = 0;
inline constexpr std::int32_t wdExtend = 1;
// PageSetup.PaperSize.
inline constexpr std::int32_t wdPaperA4 = 7;
// PageSetup.LayoutMode: a grid of both lines a page and characters a line.
inline constexpr std::int32_t wdLayoutModeGrid = 1;
// HeadersFooters.Item: the footer of odd pages (of every page unless odd and
// even differ), of the first page, of even pages.
inline constexpr std::int32_t wdHeaderFooterPrimary = 1;
inline constexpr std::int32_t wdHeaderFooterFirstPage = 2;
inline constexpr std::int32_t wdHeaderFooterEvenPages = 3;
// Fields.Add: the page number.
inline constexpr std::int32_t wdFieldPage = 33;
// Range.HighlightColorIndex: none.
inline constexpr std::int32_t wdNoHighlight = 0;
// Font.Color: the automatic colour (black on white).
inline constexpr std::int32_t wdColorAutomatic = -16777216;
// Font.Underline: none.
inline constexpr std::int32_t wdUnderlineNone = 0;
// ParagraphFormat.LineSpacingRule: single.
inline constexpr std::int32_t wdLineSpaceSingle = 0;
// Font.Color and Border.Color: red, RGB(255, 0, 0).
inline constexpr std::int32_t wdColorRed = 255;
// Borders.Item: the paragraph's top and bottom borders.
inline constexpr std::int32_t wdBorderTop = -1;
inline constexpr std::int32_t wdBorderBottom = -3;
// Border.LineStyle and Border.LineWidth.
inline constexpr std::int32_t wdLineStyleNone = 0;
inline constexpr std::int32_t wdLineStyleSingle = 1;
inline constexpr std::int32_t wdLineWidth075pt = 6;
inline constexpr std::int32_t wdLineWidth100pt = 8;
inline constexpr std::int32_t wdLineWidth150pt = 12;
// TabStops.Add: a tab stop that text before it ends at.
inline constexpr std::int32_t wdAlignTabRight = 2;
// Range.Information: from the page's top edge to the top of the range's
// first line, in points; Word lays the document out to answer.
inline constexpr std::int32_t wdVerticalPositionRelativeToPage = 6;
// Word's True for Long-typed flags.
inline constexpr std::int32_t wdTrue = -1;
inline constexpr std::int32_t wdFalse = 0;

// Measures are points or lines as single-precision floats; enumerations and
// integer-valued flags are 32-bit integers; texts are UTF-8.

class Font {
public:
    virtual ~Font() = default;
    virtual void set_size(float points) = 0;
    virtual void set_name(const std::string& name) = 0;
    virtual void set_bold(std::int32_t bold) = 0;
    // Font.Name is the font of Latin letters and digits (of all text when it
    // names an East Asian font); NameFarEast that of Chinese text and
    // full-width punctuation.
    virtual void set_name_far_east(const std::string& name) = 0;
    virtual void set_color(std::int32_t color) = 0;          // wdColor..., or an RGB value
    virtual void set_underline(std::int32_t underline) = 0;  // wdUnderline...
};

// One side of a paragraph's borders.
class Border {
public:
    virtual ~Border() = default;
    virtual void set_line_style(std::int32_t style) = 0;  // wdLineStyle...
    virtual void set_line_width(std::int32_t width) = 0;  // wdLineWidth...
    virtual void set_color(std::int32_t color) = 0;       // wdColor..., or an RGB value
};

// ParagraphFormat.Borders: the borders of every paragraph the format covers.
class Borders {
public:
    virtual ~Borders() = default;
    virtual std::unique_ptr<Border> item(std::int32_t which) = 0;  // wdBorderTop, wdBorderBottom
    // Between the text and the bottom border.
    virtual void set_distance_from_bottom(float points) = 0;
};

// ParagraphFormat.TabStops: the paragraphs' own tab stops.
class TabStops {
public:
    virtual ~TabStops() = default;
    virtual void clear_all() = 0;
    // Position from the left margin.
    virtual void add(float position, std::int32_t alignment) = 0;
};

class ParagraphFormat {
public:
    virtual ~ParagraphFormat() = default;
    virtual void set_alignment(std::int32_t alignment) = 0;
    virtual void set_line_spacing_rule(std::int32_t rule) = 0;
    virtual void set_line_spacing(float points) = 0;
    virtual void set_space_after(float points) = 0;
    virtual void set_first_line_indent(float points) = 0;
    virtual void set_right_indent(float points) = 0;
    virtual void set_line_unit_before(float lines) = 0;
    virtual void set_line_unit_after(float lines) = 0;
    virtual void set_space_before_auto(std::int32_t flag) = 0;
    virtual void set_space_after_auto(std::int32_t flag) = 0;
    virtual void set_left_indent(float points) = 0;
    // Indents in characters: Word keeps either these or the points above,
    // whichever was set last.
    virtual void set_character_unit_first_line_indent(float characters) = 0;
    virtual void set_character_unit_left_indent(float characters) = 0;
    virtual void set_character_unit_right_indent(float characters) = 0;
    // In points; puts LineUnitBefore to 0 as Word does.
    virtual void set_space_before(float points) = 0;
    virtual void set_page_break_before(std::int32_t flag) = 0;
    virtual std::unique_ptr<Borders> borders() = 0;
    virtual std::unique_ptr<TabStops> tab_stops() = 0;
};

class Characters {
public:
    virtual ~Characters() = default;
    virtual std::int32_t count() = 0;
};

class Range;

class Fields {
public:
    virtual ~Fields() = default;
    // Fields.Add(Range, Type): a field of that type in place of the range.
    virtual void add(Range& range, std::int32_t type) = 0;
};

class ListFormat {
public:
    virtual ~ListFormat() = default;
    // The number or bullet Word shows for the paragraph as a list item, ""
    // when it is none.
    virtual std::string list_string() = 0;
    // Takes the numbers or bullets off every paragraph of the range.
    virtual void remove_numbers() = 0;
};

// Range.TextRetrievalMode: what that one Range object's Text shows. By
// default a field shows its result only and hidden text is left out; with
// field codes a field reads U+0013, its code, U+0014, its result, U+0015.
class TextRetrievalMode {
public:
    virtual ~TextRetrievalMode() = default;
    virtual void set_include_field_codes(bool include) = 0;
    virtual void set_include_hidden_text(bool include) = 0;
};

class Range {
public:
    virtual ~Range() = default;
    virtual std::int32_t start() = 0;
    virtual std::int32_t end() = 0;
    // The text with Word's paragraph marks ("\r") included. Not every
    // position shows in it: a field's code and marks and hidden text only as
    // the range's text retrieval mode says, content-control markers never;
    // an end-of-cell or end-of-row mark is one position that reads "\r\a",
    // a section break one that reads "\f", an inline picture U+0001.
    virtual std::string text() = 0;
    virtual std::unique_ptr<Characters> characters() = 0;
    virtual std::unique_ptr<ParagraphFormat> paragraph_format() = 0;
    virtual void delete_text(std::int32_t unit, std::int32_t count) = 0;  // Range.Delete
    virtual void insert_paragraph_after() = 0;
    virtual void insert_after(const std::string& text) = 0;
    virtual std::unique_ptr<Font> font() = 0;
    // Replaces the range's text; the range then holds the new text.
    virtual void set_text(const std::string& text) = 0;
    // Range.SetRange: moves the range within its story.
    virtual void set_range(std::int32_t start, std::int32_t end) = 0;
    virtual std::unique_ptr<Fields> fields() = 0;
    virtual std::unique_ptr<ListFormat> list_format() = 0;
    virtual std::unique_ptr<TextRetrievalMode> text_retrieval_mode() = 0;
    virtual void set_highlight_color_index(std::int32_t index) = 0;  // wdNoHighlight, ...
    // Range.Information of a measure in points: wdVerticalPositionRelativeToPage.
    virtual float information(std::int32_t type) = 0;
};

class Paragraph {
public:
    virtual ~Paragraph() = default;
    virtual std::unique_ptr<Range> range() = 0;
    // The paragraph count paragraphs before this one; Word has none before
    // the first, so callers only ask for one that exists.
    virtual std::unique_ptr<Paragraph> previous(std::int32_t count) = 0;
    virtual void set_alignment(std::int32_t alignment) = 0;
    virtual void set_line_unit_before(float lines) = 0;
    virtual void set_line_unit_after(float lines) = 0;
};

class Paragraphs {
public:
    virtual ~Paragraphs() = default;
    virtual std::int32_t count() = 0;
    virtual std::unique_ptr<Paragraph> item(std::int32_t index) = 0;  // 1-based
    // Found from the end: unlike item(), its cost does not grow with the
    // document in Word.
    virtual std::unique_ptr<Paragraph> last() = 0;
};

class PageSetup {
public:
    virtual ~PageSetup() = default;
    virtual void set_top_margin(float points) = 0;
    virtual void set_bottom_margin(float points) = 0;
    virtual void set_left_margin(float points) = 0;
    virtual void set_right_margin(float points) = 0;
    virtual void set_paper_size(std::int32_t paper_size) = 0;
    virtual void set_layout_mode(std::int32_t mode) = 0;
    virtual void set_lines_page(float lines) = 0;
    virtual void set_chars_line(float characters) = 0;
    virtual void set_odd_and_even_pages_header_footer(std::int32_t flag) = 0;
    virtual void set_different_first_page_header_footer(std::int32_t flag) = 0;
    // From the bottom edge of the page to the bottom of the footer.
    virtual void set_footer_distance(float points) = 0;
};

class HeaderFooter {
public:
    virtual ~HeaderFooter() = default;
    // The footer's whole story.
    virtual std::unique_ptr<Range> range() = 0;
    // "Same as previous": the section shows the previous section's footer,
    // and its own Range stands for that one.
    virtual bool link_to_previous() = 0;
};

class HeadersFooters {
public:
    virtual ~HeadersFooters() = default;
    virtual std::unique_ptr<HeaderFooter> item(std::int32_t index) = 0;  // wdHeaderFooter...
};

class Section {
public:
    virtual ~Section() = default;
    virtual std::unique_ptr<HeadersFooters> footers() = 0;
    // The section's part of the main story, its break included.
    virtual std::unique_ptr<Range> range() = 0;
};

class Sections {
public:
    virtual ~Sections() = default;
    virtual std::int32_t count() = 0;
    virtual std::unique_ptr<Section> item(std::int32_t index) = 0;  // 1-based
};

class Table {
public:
    virtual ~Table() = default;
    // From the first cell's start to after the last row's end mark.
    virtual std::unique_ptr<Range> range() = 0;
};

// The tables of the main story, outermost only, in document order.
class Tables {
public:
    virtual ~Tables() = default;
    virtual std::int32_t count() = 0;
    virtual std::unique_ptr<Table> item(std::int32_t index) = 0;  // 1-based
};

// The paragraphs that Word numbers as list items.
class ListParagraphs {
public:
    virtual ~ListParagraphs() = default;
    virtual std::int32_t count() = 0;
    virtual std::unique_ptr<Paragraph> item(std::int32_t index) = 0;  // 1-based
};

class Selection {
public:
    virtual ~Selection() = default;
    virtual void set_range(std::int32_t start, std::int32_t end) = 0;
    virtual std::unique_ptr<Font> font() = 0;
    virtual std::unique_ptr<ParagraphFormat> paragraph_format() = 0;
    virtual void home_key(std::int32_t unit, std::int32_t extend) = 0;
    virtual void end_key(std::int32_t unit, std::int32_t extend) = 0;
};

class Documents {
public:
    virtual ~Documents() = default;
    virtual std::int32_t count() = 0;
};

class Document {
public:
    virtual ~Document() = default;
    virtual void set_user_control(bool user_control) = 0;
    virtual std::unique_ptr<Range> content() = 0;
    // The page setup of the whole document: what is put reaches every
    // section.
    virtual std::unique_ptr<PageSetup> page_setup() = 0;
    virtual std::unique_ptr<Paragraphs> paragraphs() = 0;
    // Document.Range with Start and End omitted: the whole main story.
    virtual std::unique_ptr<Range> range() = 0;
    // Document.Range(Start, End): character positions of the main story.
    virtual std::unique_ptr<Range> range(std::int32_t start, std::int32_t end) = 0;
    virtual std::unique_ptr<Sections> sections() = 0;
    virtual std::unique_ptr<ListParagraphs> list_paragraphs() = 0;
    virtual std::unique_ptr<Tables> tables() = 0;
};

// Application.UndoRecord (Word 2010 and later): everything done between the
// start and the end of a custom record is one step in Word's undo list.
class UndoRecord {
public:
    virtual ~UndoRecord() = default;
    virtual void start_custom_record(const std::string& name) = 0;
    virtual void end_custom_record() = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual void set_visible(bool visible) = 0;
    virtual bool screen_updating() = 0;
    virtual void set_screen_updating(bool screen_updating) = 0;
    virtual std::unique_ptr<UndoRecord> undo_record() = 0;
    virtual std::unique_ptr<Documents> documents() = 0;
    virtual std::unique_ptr<Document> active_document() = 0;
    virtual std::unique_ptr<Selection> selection() = 0;
    virtual void screen_refresh() = 0;
};

}  // namespace word
