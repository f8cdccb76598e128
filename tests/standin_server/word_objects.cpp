#include "tests/standin_server/word_objects.h"

#include <initializer_list>
#include <type_traits>
#include <utility>

#include "tests/standin_server/server_state.h"

namespace standin_server {

using word::com::Variant;

namespace {

// A property of Word's that the callers only set, or only read.
void expect_put(const Arguments& arguments)
{
    if (!arguments.is_put()) throw BadCall{DISP_E_MEMBERNOTFOUND};
}

void expect_get(const Arguments& arguments)
{
    arguments.expect(0);
}

Variant int32_result(std::int32_t value)
{
    return Variant::int32(value);
}

template <class Interface>
class WordObject : public DispatchObject {
public:
    WordObject(ServerState& state, const char* kind, std::initializer_list<const wchar_t*> members,
               std::unique_ptr<Interface> word)
        : DispatchObject(state, kind, members), word_(std::move(word))
    {
    }

protected:
    std::unique_ptr<Interface> word_;
};

class FontObject : public WordObject<word::Font> {
public:
    FontObject(ServerState& state, std::unique_ptr<word::Font> font)
        : WordObject(state, "Font", {L"Size", L"Name", L"Bold", L"NameFarEast", L"Color", L"Underline"},
                     std::move(font))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        expect_put(arguments);
        switch (member) {
        case 0: word_->set_size(arguments.float32(0)); break;
        case 1: word_->set_name(arguments.text(0)); break;
        case 2: word_->set_bold(arguments.int32(0)); break;
        case 3: word_->set_name_far_east(arguments.text(0)); break;
        case 4: word_->set_color(arguments.enumeration<word::Color>(0)); break;
        default: word_->set_underline(arguments.enumeration<word::Underline>(0)); break;
        }
        return {};
    }
};

class BorderObject : public WordObject<word::Border> {
public:
    BorderObject(ServerState& state, std::unique_ptr<word::Border> border)
        : WordObject(state, "Border", {L"LineStyle", L"LineWidth", L"Color"}, std::move(border))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        expect_put(arguments);
        switch (member) {
        case 0: word_->set_line_style(arguments.enumeration<word::LineStyle>(0)); break;
        case 1: word_->set_line_width(arguments.enumeration<word::LineWidth>(0)); break;
        default: word_->set_color(arguments.enumeration<word::Color>(0)); break;
        }
        return {};
    }
};

// Item is the default member in Word; the callers name it.
class BordersObject : public WordObject<word::Borders> {
public:
    BordersObject(ServerState& state, std::unique_ptr<word::Borders> borders)
        : WordObject(state, "Borders", {L"Item", L"DistanceFromBottom"}, std::move(borders))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        if (member == 0) {
            arguments.expect(1);
            return object_result(new BorderObject(state_, word_->item(arguments.enumeration<word::BorderSide>(0))));
        }
        expect_put(arguments);
        word_->set_distance_from_bottom(arguments.float32(0));
        return {};
    }
};

class TabStopsObject : public WordObject<word::TabStops> {
public:
    TabStopsObject(ServerState& state, std::unique_ptr<word::TabStops> stops)
        : WordObject(state, "TabStops", {L"ClearAll", L"Add"}, std::move(stops))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        if (member == 0) {
            arguments.expect(0);
            word_->clear_all();
            return {};
        }
        // Add(Position, Alignment): Leader is never passed. Word answers the
        // new TabStop, which the callers drop.
        arguments.expect(2);
        word_->add(arguments.float32(0), arguments.enumeration<word::TabAlignment>(1));
        return {};
    }
};

class ParagraphFormatObject : public WordObject<word::ParagraphFormat> {
public:
    ParagraphFormatObject(ServerState& state, std::unique_ptr<word::ParagraphFormat> format)
        : WordObject(state, "ParagraphFormat",
                     {L"Alignment", L"LineSpacingRule", L"LineSpacing", L"SpaceAfter", L"FirstLineIndent",
                      L"RightIndent", L"LineUnitBefore", L"LineUnitAfter", L"SpaceBeforeAuto", L"SpaceAfterAuto",
                      L"LeftIndent", L"CharacterUnitFirstLineIndent", L"CharacterUnitLeftIndent",
                      L"CharacterUnitRightIndent", L"SpaceBefore", L"PageBreakBefore", L"Borders", L"TabStops"},
                     std::move(format))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        if (member == 16) {
            expect_get(arguments);
            return object_result(new BordersObject(state_, word_->borders()));
        }
        if (member == 17) {
            expect_get(arguments);
            return object_result(new TabStopsObject(state_, word_->tab_stops()));
        }
        expect_put(arguments);
        switch (member) {
        case 0: word_->set_alignment(arguments.enumeration<word::ParagraphAlignment>(0)); break;
        case 1: word_->set_line_spacing_rule(arguments.enumeration<word::LineSpacingRule>(0)); break;
        case 2: word_->set_line_spacing(arguments.float32(0)); break;
        case 3: word_->set_space_after(arguments.float32(0)); break;
        case 4: word_->set_first_line_indent(arguments.float32(0)); break;
        case 5: word_->set_right_indent(arguments.float32(0)); break;
        case 6: word_->set_line_unit_before(arguments.float32(0)); break;
        case 7: word_->set_line_unit_after(arguments.float32(0)); break;
        case 8: word_->set_space_before_auto(arguments.int32(0)); break;
        case 9: word_->set_space_after_auto(arguments.int32(0)); break;
        case 10: word_->set_left_indent(arguments.float32(0)); break;
        case 11: word_->set_character_unit_first_line_indent(arguments.float32(0)); break;
        case 12: word_->set_character_unit_left_indent(arguments.float32(0)); break;
        case 13: word_->set_character_unit_right_indent(arguments.float32(0)); break;
        case 14: word_->set_space_before(arguments.float32(0)); break;
        default: word_->set_page_break_before(arguments.int32(0)); break;
        }
        return {};
    }
};

// Word's collections as the callers use them: Count, and Item(Index) where
// the collection's items are objects of their own.
template <class Collection, class ItemObject = void>
class CollectionObject : public WordObject<Collection> {
public:
    CollectionObject(ServerState& state, const char* kind, std::unique_ptr<Collection> items)
        : WordObject<Collection>(state, kind, std::is_void_v<ItemObject> ? kCount : kCountAndItem, std::move(items))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        if constexpr (!std::is_void_v<ItemObject>) {
            if (member == 1) {
                arguments.expect(1);
                return object_result(new ItemObject(this->state_, this->word_->item(arguments.int32(0))));
            }
        }
        expect_get(arguments);
        return int32_result(this->word_->count());
    }

private:
    static constexpr std::initializer_list<const wchar_t*> kCount{L"Count"};
    static constexpr std::initializer_list<const wchar_t*> kCountAndItem{L"Count", L"Item"};
};
using CharactersObject = CollectionObject<word::Characters>;
using DocumentsObject = CollectionObject<word::Documents>;

class ListFormatObject : public WordObject<word::ListFormat> {
public:
    ListFormatObject(ServerState& state, std::unique_ptr<word::ListFormat> format)
        : WordObject(state, "ListFormat", {L"ListString", L"RemoveNumbers"}, std::move(format))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        if (member == 0) {
            expect_get(arguments);
            return Variant::text(word_->list_string());
        }
        // NumberType is optional in Word; the callers never pass it.
        arguments.expect(0);
        word_->remove_numbers();
        return {};
    }
};

class TextRetrievalModeObject : public WordObject<word::TextRetrievalMode> {
public:
    TextRetrievalModeObject(ServerState& state, std::unique_ptr<word::TextRetrievalMode> mode)
        : WordObject(state, "TextRetrievalMode", {L"IncludeFieldCodes", L"IncludeHiddenText"}, std::move(mode))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        expect_put(arguments);
        if (member == 0)
            word_->set_include_field_codes(arguments.boolean(0));
        else
            word_->set_include_hidden_text(arguments.boolean(0));
        return {};
    }
};

class FieldsObject : public WordObject<word::Fields> {
public:
    FieldsObject(ServerState& state, std::unique_ptr<word::Fields> fields)
        : WordObject(state, "Fields", {L"Add"}, std::move(fields))
    {
    }

protected:
    Variant invoke_member(std::size_t, const Arguments& arguments) override;
};

class RangeObject : public WordObject<word::Range> {
public:
    RangeObject(ServerState& state, std::unique_ptr<word::Range> range)
        : WordObject(state, "Range",
                     {L"Start", L"End", L"Text", L"Characters", L"ParagraphFormat", L"Delete",
                      L"InsertParagraphAfter", L"InsertAfter", L"Font", L"SetRange", L"Fields", L"ListFormat",
                      L"TextRetrievalMode", L"HighlightColorIndex", L"Information"},
                     std::move(range))
    {
    }

    word::Range& range() { return *word_; }

protected:
    bool offers(REFIID iid) const override
    {
        return IsEqualIID(iid, kStandinRangeInterface) || DispatchObject::offers(iid);
    }

    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        switch (member) {
        case 0: expect_get(arguments); return int32_result(word_->start());
        case 1: expect_get(arguments); return int32_result(word_->end());
        case 2:
            if (arguments.is_put()) {
                word_->set_text(arguments.text(0));
                return {};
            }
            expect_get(arguments);
            return Variant::text(word_->text());
        case 8: expect_get(arguments); return object_result(new FontObject(state_, word_->font()));
        case 9:
            arguments.expect(2);
            word_->set_range(arguments.int32(0), arguments.int32(1));
            return {};
        case 10: expect_get(arguments); return object_result(new FieldsObject(state_, word_->fields()));
        case 11: expect_get(arguments); return object_result(new ListFormatObject(state_, word_->list_format()));
        case 12:
            expect_get(arguments);
            return object_result(new TextRetrievalModeObject(state_, word_->text_retrieval_mode()));
        case 13: expect_put(arguments); word_->set_highlight_color_index(arguments.enumeration<word::HighlightColor>(0)); return {};
        case 14:
            if (arguments.is_put()) throw BadCall{DISP_E_MEMBERNOTFOUND};
            arguments.expect(1);
            return Variant::float32(word_->information(arguments.enumeration<word::Information>(0)));
        case 3:
            expect_get(arguments);
            return object_result(new CharactersObject(state_, "Characters", word_->characters()));
        case 4:
            expect_get(arguments);
            return object_result(new ParagraphFormatObject(state_, word_->paragraph_format()));
        case 5:
            arguments.expect(2);
            word_->delete_text(arguments.enumeration<word::Unit>(0), arguments.int32(1));
            return {};
        case 6: arguments.expect(0); word_->insert_paragraph_after(); return {};
        default: arguments.expect(1); word_->insert_after(arguments.text(0)); return {};
        }
    }
};

Variant FieldsObject::invoke_member(std::size_t, const Arguments& arguments)
{
    // Add(Range, Type): Text and PreserveFormatting are never passed.
    arguments.expect(2);
    IDispatch* given = arguments.object(0);
    IDispatch* own = nullptr;
    if (!given || FAILED(given->QueryInterface(kStandinRangeInterface, reinterpret_cast<void**>(&own))))
        throw BadCall{DISP_E_TYPEMISMATCH, 0};
    auto* range = dynamic_cast<RangeObject*>(static_cast<DispatchObject*>(own));
    own->Release();
    if (!range) throw BadCall{DISP_E_TYPEMISMATCH, 0};
    word_->add(range->range(), arguments.enumeration<word::FieldType>(1));
    return {};
}

class ParagraphObject : public WordObject<word::Paragraph> {
public:
    ParagraphObject(ServerState& state, std::unique_ptr<word::Paragraph> paragraph)
        : WordObject(state, "Paragraph",
                     {L"Range", L"Alignment", L"LineUnitBefore", L"LineUnitAfter", L"Previous"},
                     std::move(paragraph))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        if (member == 0) {
            expect_get(arguments);
            return object_result(new RangeObject(state_, word_->range()));
        }
        if (member == 4) {
            // Count is optional in Word; the callers always pass it.
            arguments.expect(1);
            return object_result(new ParagraphObject(state_, word_->previous(arguments.int32(0))));
        }
        expect_put(arguments);
        switch (member) {
        case 1: word_->set_alignment(arguments.enumeration<word::ParagraphAlignment>(0)); break;
        case 2: word_->set_line_unit_before(arguments.float32(0)); break;
        default: word_->set_line_unit_after(arguments.float32(0)); break;
        }
        return {};
    }
};

class ParagraphsObject : public WordObject<word::Paragraphs> {
public:
    ParagraphsObject(ServerState& state, std::unique_ptr<word::Paragraphs> paragraphs)
        : WordObject(state, "Paragraphs", {L"Count", L"Item", L"Last"}, std::move(paragraphs))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        switch (member) {
        case 0: expect_get(arguments); return int32_result(word_->count());
        case 1:
            arguments.expect(1);
            return object_result(new ParagraphObject(state_, word_->item(arguments.int32(0))));
        default: expect_get(arguments); return object_result(new ParagraphObject(state_, word_->last()));
        }
    }
};

class PageSetupObject : public WordObject<word::PageSetup> {
public:
    PageSetupObject(ServerState& state, std::unique_ptr<word::PageSetup> page_setup)
        : WordObject(state, "PageSetup",
                     {L"TopMargin", L"BottomMargin", L"LeftMargin", L"RightMargin", L"PaperSize", L"LayoutMode",
                      L"LinesPage", L"CharsLine", L"OddAndEvenPagesHeaderFooter", L"DifferentFirstPageHeaderFooter",
                      L"FooterDistance"},
                     std::move(page_setup))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        expect_put(arguments);
        switch (member) {
        case 0: word_->set_top_margin(arguments.float32(0)); break;
        case 1: word_->set_bottom_margin(arguments.float32(0)); break;
        case 2: word_->set_left_margin(arguments.float32(0)); break;
        case 3: word_->set_right_margin(arguments.float32(0)); break;
        case 4: word_->set_paper_size(arguments.enumeration<word::PaperSize>(0)); break;
        case 5: word_->set_layout_mode(arguments.enumeration<word::LayoutMode>(0)); break;
        case 6: word_->set_lines_page(arguments.float32(0)); break;
        case 7: word_->set_chars_line(arguments.float32(0)); break;
        case 8: word_->set_odd_and_even_pages_header_footer(arguments.int32(0)); break;
        case 9: word_->set_different_first_page_header_footer(arguments.int32(0)); break;
        default: word_->set_footer_distance(arguments.float32(0)); break;
        }
        return {};
    }
};

class HeaderFooterObject : public WordObject<word::HeaderFooter> {
public:
    HeaderFooterObject(ServerState& state, std::unique_ptr<word::HeaderFooter> footer)
        : WordObject(state, "HeaderFooter", {L"Range", L"LinkToPrevious"}, std::move(footer))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        expect_get(arguments);
        if (member == 0) return object_result(new RangeObject(state_, word_->range()));
        return Variant::boolean(word_->link_to_previous());
    }
};

// Item is the default member in Word; the callers name it.
class HeadersFootersObject : public WordObject<word::HeadersFooters> {
public:
    HeadersFootersObject(ServerState& state, std::unique_ptr<word::HeadersFooters> footers)
        : WordObject(state, "HeadersFooters", {L"Item"}, std::move(footers))
    {
    }

protected:
    Variant invoke_member(std::size_t, const Arguments& arguments) override
    {
        arguments.expect(1);
        return object_result(
            new HeaderFooterObject(state_, word_->item(arguments.enumeration<word::HeaderFooterIndex>(0))));
    }
};

class SectionObject : public WordObject<word::Section> {
public:
    SectionObject(ServerState& state, std::unique_ptr<word::Section> section)
        : WordObject(state, "Section", {L"Footers", L"Range"}, std::move(section))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        expect_get(arguments);
        if (member == 0) return object_result(new HeadersFootersObject(state_, word_->footers()));
        return object_result(new RangeObject(state_, word_->range()));
    }
};

class TableObject : public WordObject<word::Table> {
public:
    TableObject(ServerState& state, std::unique_ptr<word::Table> table)
        : WordObject(state, "Table", {L"Range"}, std::move(table))
    {
    }

protected:
    Variant invoke_member(std::size_t, const Arguments& arguments) override
    {
        expect_get(arguments);
        return object_result(new RangeObject(state_, word_->range()));
    }
};

class SelectionObject : public WordObject<word::Selection> {
public:
    SelectionObject(ServerState& state, std::unique_ptr<word::Selection> selection)
        : WordObject(state, "Selection", {L"SetRange", L"Font", L"ParagraphFormat", L"HomeKey", L"EndKey"},
                     std::move(selection))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        switch (member) {
        case 0:
            arguments.expect(2);
            word_->set_range(arguments.int32(0), arguments.int32(1));
            return {};
        case 1: expect_get(arguments); return object_result(new FontObject(state_, word_->font()));
        case 2:
            expect_get(arguments);
            return object_result(new ParagraphFormatObject(state_, word_->paragraph_format()));
        case 3: arguments.expect(2); word_->home_key(arguments.enumeration<word::Unit>(0), arguments.enumeration<word::Movement>(1)); return {};
        default: arguments.expect(2); word_->end_key(arguments.enumeration<word::Unit>(0), arguments.enumeration<word::Movement>(1)); return {};
        }
    }
};

using SectionsObject = CollectionObject<word::Sections, SectionObject>;
using ListParagraphsObject = CollectionObject<word::ListParagraphs, ParagraphObject>;
using TablesObject = CollectionObject<word::Tables, TableObject>;

class DocumentObject : public WordObject<word::Document> {
public:
    DocumentObject(ServerState& state, std::unique_ptr<word::Document> document, standin::DocumentId id)
        : WordObject(state, "Document",
                     {L"UserControl", L"Content", L"PageSetup", L"Paragraphs", L"Range", L"Undo", L"Sections",
                      L"ListParagraphs", L"Tables"},
                     std::move(document)),
          id_(id)
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        switch (member) {
        case 0: expect_put(arguments); word_->set_user_control(arguments.boolean(0)); return {};
        case 1: expect_get(arguments); return object_result(new RangeObject(state_, word_->content()));
        case 2: expect_get(arguments); return object_result(new PageSetupObject(state_, word_->page_setup()));
        case 3: expect_get(arguments); return object_result(new ParagraphsObject(state_, word_->paragraphs()));
        case 4:
            // The whole story with Start and End omitted, or both given.
            arguments.expect(2);
            if (arguments.omitted(0) && arguments.omitted(1))
                return object_result(new RangeObject(state_, word_->range()));
            return object_result(new RangeObject(state_, word_->range(arguments.int32(0), arguments.int32(1))));
        case 6: expect_get(arguments); return object_result(new SectionsObject(state_, "Sections", word_->sections()));
        case 7:
            expect_get(arguments);
            return object_result(new ListParagraphsObject(state_, "ListParagraphs", word_->list_paragraphs()));
        case 8: expect_get(arguments); return object_result(new TablesObject(state_, "Tables", word_->tables()));
        default:
            // Undo(Times): the tests' way to Word's undo list, one step.
            if (arguments.is_put()) throw BadCall{DISP_E_MEMBERNOTFOUND};
            return Variant::boolean(state_.model->undo(id_));
        }
    }

private:
    standin::DocumentId id_;
};

class UndoRecordObject : public WordObject<word::UndoRecord> {
public:
    UndoRecordObject(ServerState& state, std::unique_ptr<word::UndoRecord> record)
        : WordObject(state, "UndoRecord", {L"StartCustomRecord", L"EndCustomRecord"}, std::move(record))
    {
    }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        if (member == 0) {
            arguments.expect(1);
            word_->start_custom_record(arguments.text(0));
        } else {
            arguments.expect(0);
            word_->end_custom_record();
        }
        return {};
    }
};

class ApplicationObject : public WordObject<word::Application> {
public:
    ApplicationObject(ServerState& state, std::unique_ptr<word::Application> application)
        : WordObject(state, "Application", {L"Visible", L"Documents", L"ActiveDocument", L"Selection", L"ScreenRefresh",
                      L"ScreenUpdating", L"UndoRecord", L"Name"},
                     std::move(application))
    {
    }

protected:
    bool offers(REFIID iid) const override
    {
        if (IsEqualIID(iid, kApplicationInterface)) return state_.offers_application_interface;
        return DispatchObject::offers(iid);
    }

    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        switch (member) {
        case 0: expect_put(arguments); word_->set_visible(arguments.boolean(0)); return {};
        case 1:
            expect_get(arguments);
            return object_result(new DocumentsObject(state_, "Documents", word_->documents()));
        case 2: {
            expect_get(arguments);
            auto document = word_->active_document();
            return object_result(new DocumentObject(state_, std::move(document), state_.model->active_document()));
        }
        case 3: expect_get(arguments); return object_result(new SelectionObject(state_, word_->selection()));
        case 4: arguments.expect(0); word_->screen_refresh(); return {};
        case 5:
            if (arguments.is_put()) {
                word_->set_screen_updating(arguments.boolean(0));
                return {};
            }
            expect_get(arguments);
            return Variant::boolean(word_->screen_updating());
        case 6: expect_get(arguments); return object_result(new UndoRecordObject(state_, word_->undo_record()));
        default: expect_get(arguments); return Variant::text(state_.model->application_name);
        }
    }
};

}  // namespace

DispatchObject* new_application(ServerState& state, std::unique_ptr<word::Application> application)
{
    return new ApplicationObject(state, std::move(application));
}

}  // namespace standin_server
