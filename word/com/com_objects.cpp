#include "word/com/com_objects.h"

#include <utility>

#include "word/com/dispatch.h"

namespace word::com {

namespace {

using Microsoft::WRL::ComPtr;

// One DISPID table per interface type of Word's.
MemberIds application_ids{"_Application"};
MemberIds documents_ids{"Documents"};
MemberIds document_ids{"_Document"};
MemberIds paragraphs_ids{"Paragraphs"};
MemberIds paragraph_ids{"Paragraph"};
MemberIds range_ids{"Range"};
MemberIds characters_ids{"Characters"};
MemberIds selection_ids{"Selection"};
MemberIds font_ids{"_Font"};
MemberIds paragraph_format_ids{"_ParagraphFormat"};
MemberIds page_setup_ids{"PageSetup"};
MemberIds undo_record_ids{"UndoRecord"};
MemberIds fields_ids{"Fields"};
MemberIds list_format_ids{"ListFormat"};
MemberIds header_footer_ids{"HeaderFooter"};
MemberIds headers_footers_ids{"HeadersFooters"};
MemberIds section_ids{"Section"};
MemberIds sections_ids{"Sections"};
MemberIds list_paragraphs_ids{"ListParagraphs"};
MemberIds text_retrieval_mode_ids{"TextRetrievalMode"};
MemberIds tables_ids{"Tables"};
MemberIds table_ids{"Table"};
MemberIds borders_ids{"Borders"};
MemberIds border_ids{"Border"};
MemberIds tab_stops_ids{"TabStops"};

class ComFont : public Font {
public:
    explicit ComFont(ComPtr<IDispatch> object) : word_(std::move(object), font_ids) {}

    void set_size(float points) override { word_.put("Size", Variant::float32(points)); }
    void set_name(const std::string& name) override { word_.put("Name", Variant::text(name)); }
    void set_bold(std::int32_t bold) override { word_.put("Bold", Variant::int32(bold)); }
    void set_name_far_east(const std::string& name) override { word_.put("NameFarEast", Variant::text(name)); }
    void set_color(std::int32_t color) override { word_.put("Color", Variant::int32(color)); }
    void set_underline(std::int32_t underline) override { word_.put("Underline", Variant::int32(underline)); }

private:
    Dispatch word_;
};

class ComBorder : public Border {
public:
    explicit ComBorder(ComPtr<IDispatch> object) : word_(std::move(object), border_ids) {}

    void set_line_style(std::int32_t style) override { word_.put("LineStyle", Variant::int32(style)); }
    void set_line_width(std::int32_t width) override { word_.put("LineWidth", Variant::int32(width)); }
    void set_color(std::int32_t color) override { word_.put("Color", Variant::int32(color)); }

private:
    Dispatch word_;
};

class ComBorders : public Borders {
public:
    explicit ComBorders(ComPtr<IDispatch> object) : word_(std::move(object), borders_ids) {}

    std::unique_ptr<Border> item(std::int32_t which) override
    {
        const auto which_argument = Variant::int32(which);
        return std::make_unique<ComBorder>(word_.call_object("Item", {&which_argument}));
    }
    void set_distance_from_bottom(float points) override
    {
        word_.put("DistanceFromBottom", Variant::float32(points));
    }

private:
    Dispatch word_;
};

class ComTabStops : public TabStops {
public:
    explicit ComTabStops(ComPtr<IDispatch> object) : word_(std::move(object), tab_stops_ids) {}

    void clear_all() override { word_.call("ClearAll"); }
    // Leader omitted: spaces.
    void add(float position, std::int32_t alignment) override
    {
        const auto position_argument = Variant::float32(position);
        const auto alignment_argument = Variant::int32(alignment);
        word_.call("Add", {&position_argument, &alignment_argument});
    }

private:
    Dispatch word_;
};

class ComParagraphFormat : public ParagraphFormat {
public:
    explicit ComParagraphFormat(ComPtr<IDispatch> object) : word_(std::move(object), paragraph_format_ids) {}

    void set_alignment(std::int32_t alignment) override { word_.put("Alignment", Variant::int32(alignment)); }
    void set_line_spacing_rule(std::int32_t rule) override { word_.put("LineSpacingRule", Variant::int32(rule)); }
    void set_line_spacing(float points) override { word_.put("LineSpacing", Variant::float32(points)); }
    void set_space_after(float points) override { word_.put("SpaceAfter", Variant::float32(points)); }
    void set_first_line_indent(float points) override { word_.put("FirstLineIndent", Variant::float32(points)); }
    void set_right_indent(float points) override { word_.put("RightIndent", Variant::float32(points)); }
    void set_line_unit_before(float lines) override { word_.put("LineUnitBefore", Variant::float32(lines)); }
    void set_line_unit_after(float lines) override { word_.put("LineUnitAfter", Variant::float32(lines)); }
    void set_space_before_auto(std::int32_t flag) override { word_.put("SpaceBeforeAuto", Variant::int32(flag)); }
    void set_space_after_auto(std::int32_t flag) override { word_.put("SpaceAfterAuto", Variant::int32(flag)); }
    void set_left_indent(float points) override { word_.put("LeftIndent", Variant::float32(points)); }
    void set_character_unit_first_line_indent(float characters) override
    {
        word_.put("CharacterUnitFirstLineIndent", Variant::float32(characters));
    }
    void set_character_unit_left_indent(float characters) override
    {
        word_.put("CharacterUnitLeftIndent", Variant::float32(characters));
    }
    void set_character_unit_right_indent(float characters) override
    {
        word_.put("CharacterUnitRightIndent", Variant::float32(characters));
    }
    void set_space_before(float points) override { word_.put("SpaceBefore", Variant::float32(points)); }
    void set_page_break_before(std::int32_t flag) override { word_.put("PageBreakBefore", Variant::int32(flag)); }
    std::unique_ptr<Borders> borders() override { return std::make_unique<ComBorders>(word_.get_object("Borders")); }
    std::unique_ptr<TabStops> tab_stops() override
    {
        return std::make_unique<ComTabStops>(word_.get_object("TabStops"));
    }

private:
    Dispatch word_;
};

class ComCharacters : public Characters {
public:
    explicit ComCharacters(ComPtr<IDispatch> object) : word_(std::move(object), characters_ids) {}

    std::int32_t count() override { return word_.get_int32("Count"); }

private:
    Dispatch word_;
};

class ComFields : public Fields {
public:
    explicit ComFields(ComPtr<IDispatch> object) : word_(std::move(object), fields_ids) {}

    void add(Range& range, std::int32_t type) override;

private:
    Dispatch word_;
};

class ComListFormat : public ListFormat {
public:
    explicit ComListFormat(ComPtr<IDispatch> object) : word_(std::move(object), list_format_ids) {}

    std::string list_string() override { return word_.get_text("ListString"); }
    // NumberType omitted: numbers of every kind go.
    void remove_numbers() override { word_.call("RemoveNumbers"); }

private:
    Dispatch word_;
};

class ComTextRetrievalMode : public TextRetrievalMode {
public:
    explicit ComTextRetrievalMode(ComPtr<IDispatch> object) : word_(std::move(object), text_retrieval_mode_ids) {}

    void set_include_field_codes(bool include) override
    {
        word_.put("IncludeFieldCodes", Variant::boolean(include));
    }
    void set_include_hidden_text(bool include) override
    {
        word_.put("IncludeHiddenText", Variant::boolean(include));
    }

private:
    Dispatch word_;
};

class ComRange : public Range {
public:
    explicit ComRange(ComPtr<IDispatch> object) : word_(std::move(object), range_ids) {}

    IDispatch* object() const { return word_.object(); }

    std::int32_t start() override { return word_.get_int32("Start"); }
    std::int32_t end() override { return word_.get_int32("End"); }
    std::string text() override { return word_.get_text("Text"); }
    std::unique_ptr<Characters> characters() override
    {
        return std::make_unique<ComCharacters>(word_.get_object("Characters"));
    }
    std::unique_ptr<ParagraphFormat> paragraph_format() override
    {
        return std::make_unique<ComParagraphFormat>(word_.get_object("ParagraphFormat"));
    }
    void delete_text(std::int32_t unit, std::int32_t count) override
    {
        const auto unit_argument = Variant::int32(unit);
        const auto count_argument = Variant::int32(count);
        word_.call("Delete", {&unit_argument, &count_argument});
    }
    void insert_paragraph_after() override { word_.call("InsertParagraphAfter"); }
    void insert_after(const std::string& text) override
    {
        const auto text_argument = Variant::text(text);
        word_.call("InsertAfter", {&text_argument});
    }
    std::unique_ptr<Font> font() override { return std::make_unique<ComFont>(word_.get_object("Font")); }
    void set_text(const std::string& text) override { word_.put("Text", Variant::text(text)); }
    void set_range(std::int32_t start, std::int32_t end) override
    {
        const auto start_argument = Variant::int32(start);
        const auto end_argument = Variant::int32(end);
        word_.call("SetRange", {&start_argument, &end_argument});
    }
    std::unique_ptr<Fields> fields() override { return std::make_unique<ComFields>(word_.get_object("Fields")); }
    std::unique_ptr<ListFormat> list_format() override
    {
        return std::make_unique<ComListFormat>(word_.get_object("ListFormat"));
    }
    std::unique_ptr<TextRetrievalMode> text_retrieval_mode() override
    {
        return std::make_unique<ComTextRetrievalMode>(word_.get_object("TextRetrievalMode"));
    }
    void set_highlight_color_index(std::int32_t index) override
    {
        word_.put("HighlightColorIndex", Variant::int32(index));
    }
    float information(std::int32_t type) override
    {
        const auto type_argument = Variant::int32(type);
        return word_.get_float32("Information", {&type_argument});
    }

private:
    Dispatch word_;
};

void ComFields::add(Range& range, std::int32_t type)
{
    // Ranges of the COM link are the only ones that reach Word.
    const auto range_argument = Variant::object(dynamic_cast<ComRange&>(range).object());
    const auto type_argument = Variant::int32(type);
    word_.call("Add", {&range_argument, &type_argument});
}

class ComParagraph : public Paragraph {
public:
    explicit ComParagraph(ComPtr<IDispatch> object) : word_(std::move(object), paragraph_ids) {}

    std::unique_ptr<Range> range() override { return std::make_unique<ComRange>(word_.get_object("Range")); }
    std::unique_ptr<Paragraph> previous(std::int32_t count) override
    {
        const auto count_argument = Variant::int32(count);
        return std::make_unique<ComParagraph>(word_.call_object("Previous", {&count_argument}));
    }
    void set_alignment(std::int32_t alignment) override { word_.put("Alignment", Variant::int32(alignment)); }
    void set_line_unit_before(float lines) override { word_.put("LineUnitBefore", Variant::float32(lines)); }
    void set_line_unit_after(float lines) override { word_.put("LineUnitAfter", Variant::float32(lines)); }

private:
    Dispatch word_;
};

class ComParagraphs : public Paragraphs {
public:
    explicit ComParagraphs(ComPtr<IDispatch> object) : word_(std::move(object), paragraphs_ids) {}

    std::int32_t count() override { return word_.get_int32("Count"); }
    std::unique_ptr<Paragraph> item(std::int32_t index) override
    {
        const auto index_argument = Variant::int32(index);
        return std::make_unique<ComParagraph>(word_.call_object("Item", {&index_argument}));
    }
    std::unique_ptr<Paragraph> last() override { return std::make_unique<ComParagraph>(word_.get_object("Last")); }

private:
    Dispatch word_;
};

class ComPageSetup : public PageSetup {
public:
    explicit ComPageSetup(ComPtr<IDispatch> object) : word_(std::move(object), page_setup_ids) {}

    void set_top_margin(float points) override { word_.put("TopMargin", Variant::float32(points)); }
    void set_bottom_margin(float points) override { word_.put("BottomMargin", Variant::float32(points)); }
    void set_left_margin(float points) override { word_.put("LeftMargin", Variant::float32(points)); }
    void set_right_margin(float points) override { word_.put("RightMargin", Variant::float32(points)); }
    void set_paper_size(std::int32_t size) override { word_.put("PaperSize", Variant::int32(size)); }
    void set_layout_mode(std::int32_t mode) override { word_.put("LayoutMode", Variant::int32(mode)); }
    void set_lines_page(float lines) override { word_.put("LinesPage", Variant::float32(lines)); }
    void set_chars_line(float characters) override { word_.put("CharsLine", Variant::float32(characters)); }
    void set_odd_and_even_pages_header_footer(std::int32_t flag) override
    {
        word_.put("OddAndEvenPagesHeaderFooter", Variant::int32(flag));
    }
    void set_different_first_page_header_footer(std::int32_t flag) override
    {
        word_.put("DifferentFirstPageHeaderFooter", Variant::int32(flag));
    }
    void set_footer_distance(float points) override { word_.put("FooterDistance", Variant::float32(points)); }

private:
    Dispatch word_;
};

class ComHeaderFooter : public HeaderFooter {
public:
    explicit ComHeaderFooter(ComPtr<IDispatch> object) : word_(std::move(object), header_footer_ids) {}

    std::unique_ptr<Range> range() override { return std::make_unique<ComRange>(word_.get_object("Range")); }
    bool link_to_previous() override { return word_.get_int32("LinkToPrevious") != 0; }

private:
    Dispatch word_;
};

class ComHeadersFooters : public HeadersFooters {
public:
    explicit ComHeadersFooters(ComPtr<IDispatch> object) : word_(std::move(object), headers_footers_ids) {}

    std::unique_ptr<HeaderFooter> item(std::int32_t index) override
    {
        const auto index_argument = Variant::int32(index);
        return std::make_unique<ComHeaderFooter>(word_.call_object("Item", {&index_argument}));
    }

private:
    Dispatch word_;
};

class ComSection : public Section {
public:
    explicit ComSection(ComPtr<IDispatch> object) : word_(std::move(object), section_ids) {}

    std::unique_ptr<HeadersFooters> footers() override
    {
        return std::make_unique<ComHeadersFooters>(word_.get_object("Footers"));
    }
    std::unique_ptr<Range> range() override { return std::make_unique<ComRange>(word_.get_object("Range")); }

private:
    Dispatch word_;
};

class ComSections : public Sections {
public:
    explicit ComSections(ComPtr<IDispatch> object) : word_(std::move(object), sections_ids) {}

    std::int32_t count() override { return word_.get_int32("Count"); }
    std::unique_ptr<Section> item(std::int32_t index) override
    {
        const auto index_argument = Variant::int32(index);
        return std::make_unique<ComSection>(word_.call_object("Item", {&index_argument}));
    }

private:
    Dispatch word_;
};

class ComTable : public Table {
public:
    explicit ComTable(ComPtr<IDispatch> object) : word_(std::move(object), table_ids) {}

    std::unique_ptr<Range> range() override { return std::make_unique<ComRange>(word_.get_object("Range")); }

private:
    Dispatch word_;
};

class ComTables : public Tables {
public:
    explicit ComTables(ComPtr<IDispatch> object) : word_(std::move(object), tables_ids) {}

    std::int32_t count() override { return word_.get_int32("Count"); }
    std::unique_ptr<Table> item(std::int32_t index) override
    {
        const auto index_argument = Variant::int32(index);
        return std::make_unique<ComTable>(word_.call_object("Item", {&index_argument}));
    }

private:
    Dispatch word_;
};

class ComListParagraphs : public ListParagraphs {
public:
    explicit ComListParagraphs(ComPtr<IDispatch> object) : word_(std::move(object), list_paragraphs_ids) {}

    std::int32_t count() override { return word_.get_int32("Count"); }
    std::unique_ptr<Paragraph> item(std::int32_t index) override
    {
        const auto index_argument = Variant::int32(index);
        return std::make_unique<ComParagraph>(word_.call_object("Item", {&index_argument}));
    }

private:
    Dispatch word_;
};

class ComSelection : public Selection {
public:
    explicit ComSelection(ComPtr<IDispatch> object) : word_(std::move(object), selection_ids) {}

    void set_range(std::int32_t start, std::int32_t end) override
    {
        const auto start_argument = Variant::int32(start);
        const auto end_argument = Variant::int32(end);
        word_.call("SetRange", {&start_argument, &end_argument});
    }
    std::unique_ptr<Font> font() override { return std::make_unique<ComFont>(word_.get_object("Font")); }
    std::unique_ptr<ParagraphFormat> paragraph_format() override
    {
        return std::make_unique<ComParagraphFormat>(word_.get_object("ParagraphFormat"));
    }
    void home_key(std::int32_t unit, std::int32_t extend) override { key("HomeKey", unit, extend); }
    void end_key(std::int32_t unit, std::int32_t extend) override { key("EndKey", unit, extend); }

private:
    void key(const char* member, std::int32_t unit, std::int32_t extend)
    {
        const auto unit_argument = Variant::int32(unit);
        const auto extend_argument = Variant::int32(extend);
        word_.call(member, {&unit_argument, &extend_argument});
    }

    Dispatch word_;
};

class ComDocuments : public Documents {
public:
    explicit ComDocuments(ComPtr<IDispatch> object) : word_(std::move(object), documents_ids) {}

    std::int32_t count() override { return word_.get_int32("Count"); }

private:
    Dispatch word_;
};

class ComDocument : public Document {
public:
    explicit ComDocument(ComPtr<IDispatch> object) : word_(std::move(object), document_ids) {}

    void set_user_control(bool user_control) override
    {
        word_.put("UserControl", Variant::boolean(user_control));
    }
    std::unique_ptr<Range> content() override { return std::make_unique<ComRange>(word_.get_object("Content")); }
    std::unique_ptr<PageSetup> page_setup() override
    {
        return std::make_unique<ComPageSetup>(word_.get_object("PageSetup"));
    }
    std::unique_ptr<Paragraphs> paragraphs() override
    {
        return std::make_unique<ComParagraphs>(word_.get_object("Paragraphs"));
    }
    std::unique_ptr<Range> range() override
    {
        const auto start = Variant::missing();
        const auto end = Variant::missing();
        return std::make_unique<ComRange>(word_.call_object("Range", {&start, &end}));
    }
    std::unique_ptr<Range> range(std::int32_t start, std::int32_t end) override
    {
        const auto start_argument = Variant::int32(start);
        const auto end_argument = Variant::int32(end);
        return std::make_unique<ComRange>(word_.call_object("Range", {&start_argument, &end_argument}));
    }
    std::unique_ptr<Sections> sections() override
    {
        return std::make_unique<ComSections>(word_.get_object("Sections"));
    }
    std::unique_ptr<ListParagraphs> list_paragraphs() override
    {
        return std::make_unique<ComListParagraphs>(word_.get_object("ListParagraphs"));
    }
    std::unique_ptr<Tables> tables() override { return std::make_unique<ComTables>(word_.get_object("Tables")); }

private:
    Dispatch word_;
};

class ComUndoRecord : public UndoRecord {
public:
    explicit ComUndoRecord(ComPtr<IDispatch> object) : word_(std::move(object), undo_record_ids) {}

    void start_custom_record(const std::string& name) override
    {
        const auto name_argument = Variant::text(name);
        word_.call("StartCustomRecord", {&name_argument});
    }
    void end_custom_record() override { word_.call("EndCustomRecord"); }

private:
    Dispatch word_;
};

class ComApplication : public Application {
public:
    explicit ComApplication(ComPtr<IDispatch> object) : word_(std::move(object), application_ids) {}

    void set_visible(bool visible) override { word_.put("Visible", Variant::boolean(visible)); }
    bool screen_updating() override { return word_.get_int32("ScreenUpdating") != 0; }
    void set_screen_updating(bool screen_updating) override
    {
        word_.put("ScreenUpdating", Variant::boolean(screen_updating));
    }
    std::unique_ptr<UndoRecord> undo_record() override
    {
        return std::make_unique<ComUndoRecord>(word_.get_object("UndoRecord"));
    }
    std::unique_ptr<Documents> documents() override
    {
        return std::make_unique<ComDocuments>(word_.get_object("Documents"));
    }
    std::unique_ptr<Document> active_document() override
    {
        return std::make_unique<ComDocument>(word_.get_object("ActiveDocument"));
    }
    std::unique_ptr<Selection> selection() override
    {
        return std::make_unique<ComSelection>(word_.get_object("Selection"));
    }
    void screen_refresh() override { word_.call("ScreenRefresh"); }

private:
    Dispatch word_;
};

}  // namespace

std::unique_ptr<Application> application_over(ComPtr<IDispatch> application)
{
    return std::make_unique<ComApplication>(std::move(application));
}

}  // namespace word::com
