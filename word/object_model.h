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
#include <string_view>
#include <vector>

namespace word {

// Word's enumerations, each value as Word numbers it; the COM link passes
// them as those integers.

// ParagraphFormat.Alignment (WdParagraphAlignment).
enum class ParagraphAlignment : std::int32_t { left = 0, center = 1, right = 2, justify = 3 };
// ParagraphFormat.LineSpacingRule (WdLineSpacing).
enum class LineSpacingRule : std::int32_t { single = 0, exactly = 4 };
// The unit of Range.Delete and of the selection's keys (WdUnits).
enum class Unit : std::int32_t { character = 1, line = 5, story = 6 };
// Whether a key moves the selection or extends it (WdMovementType).
enum class Movement : std::int32_t { move = 0, extend = 1 };
// PageSetup.PaperSize (WdPaperSize).
enum class PaperSize : std::int32_t { letter = 2, a4 = 7 };
// PageSetup.LayoutMode (WdLayoutMode): grid is a grid of both lines a page
// and characters a line.
enum class LayoutMode : std::int32_t { normal = 0, grid = 1 };
// HeadersFooters.Item (WdHeaderFooterIndex): the footer of odd pages (of
// every page unless odd and even differ), of the first page, of even pages.
enum class HeaderFooterIndex : std::int32_t { primary = 1, first_page = 2, even_pages = 3 };
// Fields.Add (WdFieldType): the page number.
enum class FieldType : std::int32_t { page = 33 };
// Font.Color and Border.Color (WdColor): the automatic colour (black on
// white), or an RGB value as 0xBBGGRR.
enum class Color : std::int32_t { automatic = -16777216, red = 0x0000FF };
// Font.Underline (WdUnderline).
enum class Underline : std::int32_t { none = 0, single = 1 };
// Range.HighlightColorIndex (WdColorIndex).
enum class HighlightColor : std::int32_t { none = 0 };
// Borders.Item (WdBorderType): a paragraph's top and bottom borders.
enum class BorderSide : std::int32_t { top = -1, bottom = -3 };
// Border.LineStyle (WdLineStyle).
enum class LineStyle : std::int32_t { none = 0, single = 1 };
// Border.LineWidth (WdLineWidth), in eighths of a point.
enum class LineWidth : std::int32_t { pt_0_50 = 4, pt_0_75 = 6, pt_1_00 = 8, pt_1_50 = 12 };
// TabStops.Add (WdTabAlignment): a stop that the text before it ends at.
enum class TabAlignment : std::int32_t { left = 0, right = 2 };
// Range.Information (WdInformation) of a measure in points: from the page's
// top edge to the top of the range's first line; Word lays the document out
// to answer.
enum class Information : std::int32_t { vertical_position_relative_to_page = 6 };

// The integer Word takes for one of the values above.
template <class Enumeration>
constexpr std::int32_t value_of(Enumeration value)
{
    return static_cast<std::int32_t>(value);
}

// The objects of the model, by which a member is named: a server names
// its members per object type, and WPS Writer lacks some of Word's.
enum class ObjectType {
    application, documents, document, range, characters, font, paragraph_format, fields, list_format,
    text_retrieval_mode, paragraphs, paragraph, page_setup, sections, section, headers_footers, header_footer,
    tables, table, list_paragraphs, selection, undo_record, borders, border, tab_stops
};

// One member as Word names it: {ObjectType::font, "NameFarEast"}.
struct MemberName {
    ObjectType object;
    std::string_view member;

    friend bool operator==(const MemberName&, const MemberName&) = default;
};

// The object's name as Word's reference gives it: "Font", "ParagraphFormat".
constexpr const char* object_name(ObjectType type)
{
    switch (type) {
    case ObjectType::application: return "Application";
    case ObjectType::documents: return "Documents";
    case ObjectType::document: return "Document";
    case ObjectType::range: return "Range";
    case ObjectType::characters: return "Characters";
    case ObjectType::font: return "Font";
    case ObjectType::paragraph_format: return "ParagraphFormat";
    case ObjectType::fields: return "Fields";
    case ObjectType::list_format: return "ListFormat";
    case ObjectType::text_retrieval_mode: return "TextRetrievalMode";
    case ObjectType::paragraphs: return "Paragraphs";
    case ObjectType::paragraph: return "Paragraph";
    case ObjectType::page_setup: return "PageSetup";
    case ObjectType::sections: return "Sections";
    case ObjectType::section: return "Section";
    case ObjectType::headers_footers: return "HeadersFooters";
    case ObjectType::header_footer: return "HeaderFooter";
    case ObjectType::tables: return "Tables";
    case ObjectType::table: return "Table";
    case ObjectType::list_paragraphs: return "ListParagraphs";
    case ObjectType::selection: return "Selection";
    case ObjectType::undo_record: return "UndoRecord";
    case ObjectType::borders: return "Borders";
    case ObjectType::border: return "Border";
    case ObjectType::tab_stops: return "TabStops";
    }
    return "";
}

// Word's True and False for Long-typed flags.
inline constexpr std::int32_t wdTrue = -1;
inline constexpr std::int32_t wdFalse = 0;

// Measures are points or lines as single-precision floats; integer-valued
// flags are 32-bit integers; texts are UTF-8.

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
    virtual void set_color(Color color) = 0;
    virtual void set_underline(Underline underline) = 0;
};

// One side of a paragraph's borders.
class Border {
public:
    virtual ~Border() = default;
    virtual void set_line_style(LineStyle style) = 0;
    virtual void set_line_width(LineWidth width) = 0;
    virtual void set_color(Color color) = 0;
};

// ParagraphFormat.Borders: the borders of every paragraph the format covers.
class Borders {
public:
    virtual ~Borders() = default;
    virtual std::unique_ptr<Border> item(BorderSide side) = 0;
    // Between the text and the bottom border.
    virtual void set_distance_from_bottom(float points) = 0;
};

// ParagraphFormat.TabStops: the paragraphs' own tab stops.
class TabStops {
public:
    virtual ~TabStops() = default;
    virtual void clear_all() = 0;
    // Position from the left margin.
    virtual void add(float position, TabAlignment alignment) = 0;
};

class ParagraphFormat {
public:
    virtual ~ParagraphFormat() = default;
    virtual void set_alignment(ParagraphAlignment alignment) = 0;
    virtual void set_line_spacing_rule(LineSpacingRule rule) = 0;
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
    virtual void add(Range& range, FieldType type) = 0;
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
    virtual void delete_text(Unit unit, std::int32_t count) = 0;  // Range.Delete
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
    virtual void set_highlight_color_index(HighlightColor index) = 0;
    virtual float information(Information type) = 0;
};

class Paragraph {
public:
    virtual ~Paragraph() = default;
    virtual std::unique_ptr<Range> range() = 0;
    // The paragraph count paragraphs before this one; Word has none before
    // the first, so callers only ask for one that exists.
    virtual std::unique_ptr<Paragraph> previous(std::int32_t count) = 0;
    virtual void set_alignment(ParagraphAlignment alignment) = 0;
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
    virtual void set_paper_size(PaperSize paper_size) = 0;
    virtual void set_layout_mode(LayoutMode mode) = 0;
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
    virtual std::unique_ptr<HeaderFooter> item(HeaderFooterIndex index) = 0;
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
    virtual void home_key(Unit unit, Movement movement) = 0;
    virtual void end_key(Unit unit, Movement movement) = 0;
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

    // Which of these members the server does not have, learned without
    // changing anything. A member whose object cannot be reached (no
    // document open, or a member on the way is itself lacking) counts as
    // there: the member on the way is the one to name.
    virtual std::vector<MemberName> missing_members(const std::vector<MemberName>& members) = 0;
    // The program that answered, as its users call it: "Word" or "WPS 文字".
    virtual std::string program_name() = 0;
};

}  // namespace word
