#include "word/com/com_objects.h"

#include <utility>

#include "word/com/dispatch.h"
#include "word/com/member_lookup.h"

namespace word::com {

namespace {

using Microsoft::WRL::ComPtr;

// One of Word's objects of the given type, and the session it came through;
// the session keeps one DISPID table per type.
template <class Interface, ObjectType type>
class ComObject : public Interface {
public:
    ComObject(std::shared_ptr<ComSession> session, ComPtr<IDispatch> object)
        : session_(std::move(session)), word_(std::move(object), *session_, object_name(type))
    {
    }

    IDispatch* object() const { return word_.object(); }

protected:
    // Another of Word's objects, through the same session.
    template <class Wrapper>
    std::unique_ptr<Wrapper> wrap(ComPtr<IDispatch> object) const
    {
        return std::make_unique<Wrapper>(session_, std::move(object));
    }

    std::shared_ptr<ComSession> session_;
    Dispatch word_;
};

class ComBorder final : public ComObject<Border, ObjectType::border> {
public:
    using ComObject::ComObject;

    void set_line_style(LineStyle style) override { word_.put("LineStyle", style); }
    void set_line_width(LineWidth width) override { word_.put("LineWidth", width); }
    void set_color(Color color) override { word_.put("Color", color); }
};

class ComBorders final : public ComObject<Borders, ObjectType::borders> {
public:
    using ComObject::ComObject;

    std::unique_ptr<Border> item(BorderSide side) override { return wrap<ComBorder>(word_.call_object("Item", side)); }
    void set_distance_from_bottom(float points) override { word_.put("DistanceFromBottom", points); }
};

class ComTabStops final : public ComObject<TabStops, ObjectType::tab_stops> {
public:
    using ComObject::ComObject;

    void clear_all() override { word_.call("ClearAll"); }
    // Leader omitted: spaces.
    void add(float position, TabAlignment alignment) override { word_.call("Add", position, alignment); }
};

class ComFont final : public ComObject<Font, ObjectType::font> {
public:
    using ComObject::ComObject;

    void set_size(float points) override { word_.put("Size", points); }
    void set_name(const std::string& name) override { word_.put("Name", name); }
    void set_bold(std::int32_t bold) override { word_.put("Bold", bold); }
    void set_name_far_east(const std::string& name) override { word_.put("NameFarEast", name); }
    void set_color(Color color) override { word_.put("Color", color); }
    void set_underline(Underline underline) override { word_.put("Underline", underline); }
};

class ComParagraphFormat final : public ComObject<ParagraphFormat, ObjectType::paragraph_format> {
public:
    using ComObject::ComObject;

    void set_alignment(ParagraphAlignment alignment) override { word_.put("Alignment", alignment); }
    void set_line_spacing_rule(LineSpacingRule rule) override { word_.put("LineSpacingRule", rule); }
    void set_line_spacing(float points) override { word_.put("LineSpacing", points); }
    void set_space_after(float points) override { word_.put("SpaceAfter", points); }
    void set_first_line_indent(float points) override { word_.put("FirstLineIndent", points); }
    void set_right_indent(float points) override { word_.put("RightIndent", points); }
    void set_line_unit_before(float lines) override { word_.put("LineUnitBefore", lines); }
    void set_line_unit_after(float lines) override { word_.put("LineUnitAfter", lines); }
    void set_space_before_auto(std::int32_t flag) override { word_.put("SpaceBeforeAuto", flag); }
    void set_space_after_auto(std::int32_t flag) override { word_.put("SpaceAfterAuto", flag); }
    void set_left_indent(float points) override { word_.put("LeftIndent", points); }
    void set_character_unit_first_line_indent(float characters) override
    {
        word_.put("CharacterUnitFirstLineIndent", characters);
    }
    void set_character_unit_left_indent(float characters) override
    {
        word_.put("CharacterUnitLeftIndent", characters);
    }
    void set_character_unit_right_indent(float characters) override
    {
        word_.put("CharacterUnitRightIndent", characters);
    }
    void set_space_before(float points) override { word_.put("SpaceBefore", points); }
    void set_page_break_before(std::int32_t flag) override { word_.put("PageBreakBefore", flag); }
    std::unique_ptr<Borders> borders() override { return wrap<ComBorders>(word_.get_object("Borders")); }
    std::unique_ptr<TabStops> tab_stops() override { return wrap<ComTabStops>(word_.get_object("TabStops")); }
};

class ComCharacters final : public ComObject<Characters, ObjectType::characters> {
public:
    using ComObject::ComObject;

    std::int32_t count() override { return word_.get_int32("Count"); }
};

class ComFields final : public ComObject<Fields, ObjectType::fields> {
public:
    using ComObject::ComObject;

    void add(Range& range, FieldType type) override;
};

class ComListFormat final : public ComObject<ListFormat, ObjectType::list_format> {
public:
    using ComObject::ComObject;

    std::string list_string() override { return word_.get_text("ListString"); }
    // NumberType omitted: numbers of every kind go.
    void remove_numbers() override { word_.call("RemoveNumbers"); }
};

class ComTextRetrievalMode final : public ComObject<TextRetrievalMode, ObjectType::text_retrieval_mode> {
public:
    using ComObject::ComObject;

    void set_include_field_codes(bool include) override { word_.put("IncludeFieldCodes", include); }
    void set_include_hidden_text(bool include) override { word_.put("IncludeHiddenText", include); }
};

class ComRange final : public ComObject<Range, ObjectType::range> {
public:
    using ComObject::ComObject;

    std::int32_t start() override { return word_.get_int32("Start"); }
    std::int32_t end() override { return word_.get_int32("End"); }
    std::string text() override { return word_.get_text("Text"); }
    std::unique_ptr<Characters> characters() override { return wrap<ComCharacters>(word_.get_object("Characters")); }
    std::unique_ptr<ParagraphFormat> paragraph_format() override
    {
        return wrap<ComParagraphFormat>(word_.get_object("ParagraphFormat"));
    }
    void delete_text(Unit unit, std::int32_t count) override { word_.call("Delete", unit, count); }
    void insert_paragraph_after() override { word_.call("InsertParagraphAfter"); }
    void insert_after(const std::string& text) override { word_.call("InsertAfter", text); }
    std::unique_ptr<Font> font() override { return wrap<ComFont>(word_.get_object("Font")); }
    void set_text(const std::string& text) override { word_.put("Text", text); }
    void set_range(std::int32_t start, std::int32_t end) override { word_.call("SetRange", start, end); }
    std::unique_ptr<Fields> fields() override { return wrap<ComFields>(word_.get_object("Fields")); }
    std::unique_ptr<ListFormat> list_format() override { return wrap<ComListFormat>(word_.get_object("ListFormat")); }
    std::unique_ptr<TextRetrievalMode> text_retrieval_mode() override
    {
        return wrap<ComTextRetrievalMode>(word_.get_object("TextRetrievalMode"));
    }
    void set_highlight_color_index(HighlightColor index) override { word_.put("HighlightColorIndex", index); }
    float information(Information type) override { return word_.get_float32("Information", type); }
};

void ComFields::add(Range& range, FieldType type)
{
    // Ranges of the COM link are the only ones that reach Word.
    word_.call("Add", dynamic_cast<ComRange&>(range).object(), type);
}

class ComParagraph final : public ComObject<Paragraph, ObjectType::paragraph> {
public:
    using ComObject::ComObject;

    std::unique_ptr<Range> range() override { return wrap<ComRange>(word_.get_object("Range")); }
    std::unique_ptr<Paragraph> previous(std::int32_t count) override
    {
        return wrap<ComParagraph>(word_.call_object("Previous", count));
    }
    void set_alignment(ParagraphAlignment alignment) override { word_.put("Alignment", alignment); }
    void set_line_unit_before(float lines) override { word_.put("LineUnitBefore", lines); }
    void set_line_unit_after(float lines) override { word_.put("LineUnitAfter", lines); }
};

class ComParagraphs final : public ComObject<Paragraphs, ObjectType::paragraphs> {
public:
    using ComObject::ComObject;

    std::int32_t count() override { return word_.get_int32("Count"); }
    std::unique_ptr<Paragraph> item(std::int32_t index) override
    {
        return wrap<ComParagraph>(word_.call_object("Item", index));
    }
    std::unique_ptr<Paragraph> last() override { return wrap<ComParagraph>(word_.get_object("Last")); }
};

class ComPageSetup final : public ComObject<PageSetup, ObjectType::page_setup> {
public:
    using ComObject::ComObject;

    void set_top_margin(float points) override { word_.put("TopMargin", points); }
    void set_bottom_margin(float points) override { word_.put("BottomMargin", points); }
    void set_left_margin(float points) override { word_.put("LeftMargin", points); }
    void set_right_margin(float points) override { word_.put("RightMargin", points); }
    void set_paper_size(PaperSize size) override { word_.put("PaperSize", size); }
    void set_layout_mode(LayoutMode mode) override { word_.put("LayoutMode", mode); }
    void set_lines_page(float lines) override { word_.put("LinesPage", lines); }
    void set_chars_line(float characters) override { word_.put("CharsLine", characters); }
    void set_odd_and_even_pages_header_footer(std::int32_t flag) override
    {
        word_.put("OddAndEvenPagesHeaderFooter", flag);
    }
    void set_different_first_page_header_footer(std::int32_t flag) override
    {
        word_.put("DifferentFirstPageHeaderFooter", flag);
    }
    void set_footer_distance(float points) override { word_.put("FooterDistance", points); }
};

class ComHeaderFooter final : public ComObject<HeaderFooter, ObjectType::header_footer> {
public:
    using ComObject::ComObject;

    std::unique_ptr<Range> range() override { return wrap<ComRange>(word_.get_object("Range")); }
    bool link_to_previous() override { return word_.get_int32("LinkToPrevious") != 0; }
};

class ComHeadersFooters final : public ComObject<HeadersFooters, ObjectType::headers_footers> {
public:
    using ComObject::ComObject;

    std::unique_ptr<HeaderFooter> item(HeaderFooterIndex index) override
    {
        return wrap<ComHeaderFooter>(word_.call_object("Item", index));
    }
};

class ComSection final : public ComObject<Section, ObjectType::section> {
public:
    using ComObject::ComObject;

    std::unique_ptr<HeadersFooters> footers() override { return wrap<ComHeadersFooters>(word_.get_object("Footers")); }
    std::unique_ptr<Range> range() override { return wrap<ComRange>(word_.get_object("Range")); }
};

class ComSections final : public ComObject<Sections, ObjectType::sections> {
public:
    using ComObject::ComObject;

    std::int32_t count() override { return word_.get_int32("Count"); }
    std::unique_ptr<Section> item(std::int32_t index) override
    {
        return wrap<ComSection>(word_.call_object("Item", index));
    }
};

class ComTable final : public ComObject<Table, ObjectType::table> {
public:
    using ComObject::ComObject;

    std::unique_ptr<Range> range() override { return wrap<ComRange>(word_.get_object("Range")); }
};

class ComTables final : public ComObject<Tables, ObjectType::tables> {
public:
    using ComObject::ComObject;

    std::int32_t count() override { return word_.get_int32("Count"); }
    std::unique_ptr<Table> item(std::int32_t index) override { return wrap<ComTable>(word_.call_object("Item", index)); }
};

class ComListParagraphs final : public ComObject<ListParagraphs, ObjectType::list_paragraphs> {
public:
    using ComObject::ComObject;

    std::int32_t count() override { return word_.get_int32("Count"); }
    std::unique_ptr<Paragraph> item(std::int32_t index) override
    {
        return wrap<ComParagraph>(word_.call_object("Item", index));
    }
};

class ComSelection final : public ComObject<Selection, ObjectType::selection> {
public:
    using ComObject::ComObject;

    void set_range(std::int32_t start, std::int32_t end) override { word_.call("SetRange", start, end); }
    std::unique_ptr<Font> font() override { return wrap<ComFont>(word_.get_object("Font")); }
    std::unique_ptr<ParagraphFormat> paragraph_format() override
    {
        return wrap<ComParagraphFormat>(word_.get_object("ParagraphFormat"));
    }
    void home_key(Unit unit, Movement movement) override { word_.call("HomeKey", unit, movement); }
    void end_key(Unit unit, Movement movement) override { word_.call("EndKey", unit, movement); }
};

class ComDocuments final : public ComObject<Documents, ObjectType::documents> {
public:
    using ComObject::ComObject;

    std::int32_t count() override { return word_.get_int32("Count"); }
};

class ComDocument final : public ComObject<Document, ObjectType::document> {
public:
    using ComObject::ComObject;

    void set_user_control(bool user_control) override { word_.put("UserControl", user_control); }
    std::unique_ptr<Range> content() override { return wrap<ComRange>(word_.get_object("Content")); }
    std::unique_ptr<PageSetup> page_setup() override { return wrap<ComPageSetup>(word_.get_object("PageSetup")); }
    std::unique_ptr<Paragraphs> paragraphs() override { return wrap<ComParagraphs>(word_.get_object("Paragraphs")); }
    std::unique_ptr<Range> range() override { return wrap<ComRange>(word_.call_object("Range", missing, missing)); }
    std::unique_ptr<Range> range(std::int32_t start, std::int32_t end) override
    {
        return wrap<ComRange>(word_.call_object("Range", start, end));
    }
    std::unique_ptr<Sections> sections() override { return wrap<ComSections>(word_.get_object("Sections")); }
    std::unique_ptr<ListParagraphs> list_paragraphs() override
    {
        return wrap<ComListParagraphs>(word_.get_object("ListParagraphs"));
    }
    std::unique_ptr<Tables> tables() override { return wrap<ComTables>(word_.get_object("Tables")); }
};

class ComUndoRecord final : public ComObject<UndoRecord, ObjectType::undo_record> {
public:
    using ComObject::ComObject;

    void start_custom_record(const std::string& name) override { word_.call("StartCustomRecord", name); }
    void end_custom_record() override { word_.call("EndCustomRecord"); }
};

class ComApplication final : public ComObject<Application, ObjectType::application> {
public:
    using ComObject::ComObject;

    void set_visible(bool visible) override { word_.put("Visible", visible); }
    bool screen_updating() override { return word_.get_int32("ScreenUpdating") != 0; }
    void set_screen_updating(bool screen_updating) override { word_.put("ScreenUpdating", screen_updating); }
    std::unique_ptr<UndoRecord> undo_record() override { return wrap<ComUndoRecord>(word_.get_object("UndoRecord")); }
    std::unique_ptr<Documents> documents() override { return wrap<ComDocuments>(word_.get_object("Documents")); }
    std::unique_ptr<Document> active_document() override
    {
        return wrap<ComDocument>(word_.get_object("ActiveDocument"));
    }
    std::unique_ptr<Selection> selection() override { return wrap<ComSelection>(word_.get_object("Selection")); }
    void screen_refresh() override { word_.call("ScreenRefresh"); }
    std::vector<MemberName> missing_members(const std::vector<MemberName>& members) override
    {
        return com::missing_members(object(), *session_, members);
    }
    std::string program_name() override { return com::program_name(object(), *session_); }
};

}  // namespace

std::unique_ptr<Application> application_over(ComPtr<IDispatch> application, std::shared_ptr<ComSession> session)
{
    return std::make_unique<ComApplication>(std::move(session), std::move(application));
}

}  // namespace word::com
