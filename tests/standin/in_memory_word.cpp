#include "tests/standin/in_memory_word.h"

#include <string>
#include <utility>

#include "word/errors.h"
#include "word/program_name.h"
#include "platform/error_text.h"
#include "word/ole_message.h"

namespace standin {

namespace {

using Model = std::shared_ptr<WordModel>;

// Records the member call, then acts, turning Word's errors into the
// exception the COM link raises for them.
template <class Action>
auto invoke(WordModel& model, const char* member, Action action)
{
    // A name the server lacks fails before it reaches the server, as over COM.
    const std::string_view name = std::string_view(member).substr(std::string_view(member).find('.') + 1);
    if (model.lacks(name)) throw word::EOleError("Method '" + std::string(name) + "' not supported by automation object");
    try {
        model.call(member);
        return action();
    } catch (const WordError& error) {
        throw word::EOleException(platform::trim_error_text(error.description), error.hresult, error.source,
                                  "", 0);
    }
}

class InMemoryFont : public word::Font {
public:
    InMemoryFont(Model model, RangeRef range) : model_(std::move(model)), range_(range) {}

    void set_size(float points) override
    {
        invoke(*model_, "Font.Size", [&] { model_->set_font_size(range_, points); });
    }
    void set_name(const std::string& name) override
    {
        invoke(*model_, "Font.Name", [&] { model_->set_font_name(range_, name); });
    }
    void set_bold(std::int32_t bold) override
    {
        invoke(*model_, "Font.Bold", [&] { model_->set_font_bold(range_, bold); });
    }
    void set_name_far_east(const std::string& name) override
    {
        invoke(*model_, "Font.NameFarEast", [&] { model_->set_font_name_far_east(range_, name); });
    }
    void set_color(word::Color color) override
    {
        invoke(*model_, "Font.Color", [&] { model_->set_font_color(range_, color); });
    }
    void set_underline(word::Underline underline) override
    {
        invoke(*model_, "Font.Underline", [&] { model_->set_font_underline(range_, underline); });
    }

private:
    Model model_;
    RangeRef range_;
};

class InMemoryBorder : public word::Border {
public:
    InMemoryBorder(Model model, RangeRef range, word::BorderSide side)
        : model_(std::move(model)), range_(range), side_(side) {}

    void set_line_style(word::LineStyle style) override { put("Border.LineStyle", BorderSetting::line_style, style); }
    void set_line_width(word::LineWidth width) override { put("Border.LineWidth", BorderSetting::line_width, width); }
    void set_color(word::Color color) override { put("Border.Color", BorderSetting::color, color); }

private:
    template <class Value>
    void put(const char* member, BorderSetting setting, Value value)
    {
        invoke(*model_, member, [&] { model_->set_border(range_, side_, setting, word::value_of(value)); });
    }

    Model model_;
    RangeRef range_;
    word::BorderSide side_;
};

class InMemoryBorders : public word::Borders {
public:
    InMemoryBorders(Model model, RangeRef range) : model_(std::move(model)), range_(range) {}

    std::unique_ptr<word::Border> item(word::BorderSide which) override
    {
        return invoke(*model_, "Borders.Item", [&] {
            model_->require_border(which);
            return std::make_unique<InMemoryBorder>(model_, range_, which);
        });
    }
    void set_distance_from_bottom(float points) override
    {
        invoke(*model_, "Borders.DistanceFromBottom", [&] {
            model_->set_paragraph_measure(range_, ParagraphMeasure::border_distance_from_bottom, points);
        });
    }

private:
    Model model_;
    RangeRef range_;
};

class InMemoryTabStops : public word::TabStops {
public:
    InMemoryTabStops(Model model, RangeRef range) : model_(std::move(model)), range_(range) {}

    void clear_all() override
    {
        invoke(*model_, "TabStops.ClearAll", [&] { model_->clear_tab_stops(range_); });
    }
    void add(float position, word::TabAlignment alignment) override
    {
        invoke(*model_, "TabStops.Add", [&] { model_->add_tab_stop(range_, position, alignment); });
    }

private:
    Model model_;
    RangeRef range_;
};

class InMemoryParagraphFormat : public word::ParagraphFormat {
public:
    InMemoryParagraphFormat(Model model, RangeRef range) : model_(std::move(model)), range_(range) {}

    void set_alignment(word::ParagraphAlignment alignment) override
    {
        setting("ParagraphFormat.Alignment", ParagraphSetting::alignment, word::value_of(alignment));
    }
    void set_line_spacing_rule(word::LineSpacingRule rule) override
    {
        setting("ParagraphFormat.LineSpacingRule", ParagraphSetting::line_spacing_rule, word::value_of(rule));
    }
    void set_line_spacing(float points) override
    {
        measure("ParagraphFormat.LineSpacing", ParagraphMeasure::line_spacing, points);
    }
    void set_space_after(float points) override
    {
        measure("ParagraphFormat.SpaceAfter", ParagraphMeasure::space_after, points);
    }
    void set_first_line_indent(float points) override
    {
        measure("ParagraphFormat.FirstLineIndent", ParagraphMeasure::first_line_indent, points);
    }
    void set_right_indent(float points) override
    {
        measure("ParagraphFormat.RightIndent", ParagraphMeasure::right_indent, points);
    }
    void set_line_unit_before(float lines) override
    {
        measure("ParagraphFormat.LineUnitBefore", ParagraphMeasure::line_unit_before, lines);
    }
    void set_line_unit_after(float lines) override
    {
        measure("ParagraphFormat.LineUnitAfter", ParagraphMeasure::line_unit_after, lines);
    }
    void set_space_before_auto(std::int32_t flag) override
    {
        setting("ParagraphFormat.SpaceBeforeAuto", ParagraphSetting::space_before_auto, flag);
    }
    void set_space_after_auto(std::int32_t flag) override
    {
        setting("ParagraphFormat.SpaceAfterAuto", ParagraphSetting::space_after_auto, flag);
    }
    void set_left_indent(float points) override
    {
        measure("ParagraphFormat.LeftIndent", ParagraphMeasure::left_indent, points);
    }
    void set_character_unit_first_line_indent(float characters) override
    {
        measure("ParagraphFormat.CharacterUnitFirstLineIndent", ParagraphMeasure::character_unit_first_line_indent,
                characters);
    }
    void set_character_unit_left_indent(float characters) override
    {
        measure("ParagraphFormat.CharacterUnitLeftIndent", ParagraphMeasure::character_unit_left_indent, characters);
    }
    void set_character_unit_right_indent(float characters) override
    {
        measure("ParagraphFormat.CharacterUnitRightIndent", ParagraphMeasure::character_unit_right_indent,
                characters);
    }
    void set_space_before(float points) override
    {
        measure("ParagraphFormat.SpaceBefore", ParagraphMeasure::space_before, points);
    }
    void set_page_break_before(std::int32_t flag) override
    {
        setting("ParagraphFormat.PageBreakBefore", ParagraphSetting::page_break_before, flag);
    }
    std::unique_ptr<word::Borders> borders() override
    {
        return invoke(*model_, "ParagraphFormat.Borders", [&] {
            model_->range_start(range_);
            return std::make_unique<InMemoryBorders>(model_, range_);
        });
    }
    std::unique_ptr<word::TabStops> tab_stops() override
    {
        return invoke(*model_, "ParagraphFormat.TabStops", [&] {
            model_->range_start(range_);
            return std::make_unique<InMemoryTabStops>(model_, range_);
        });
    }

private:
    void setting(const char* member, ParagraphSetting which, std::int32_t value)
    {
        invoke(*model_, member, [&] { model_->set_paragraph_setting(range_, which, value); });
    }
    void measure(const char* member, ParagraphMeasure which, float value)
    {
        invoke(*model_, member, [&] { model_->set_paragraph_measure(range_, which, value); });
    }

    Model model_;
    RangeRef range_;
};

class InMemoryCharacters : public word::Characters {
public:
    InMemoryCharacters(Model model, RangeRef range) : model_(std::move(model)), range_(range) {}

    std::int32_t count() override
    {
        return invoke(*model_, "Characters.Count", [&] { return model_->character_count(range_); });
    }

private:
    Model model_;
    RangeRef range_;
};

class InMemoryListFormat : public word::ListFormat {
public:
    InMemoryListFormat(Model model, RangeRef range) : model_(std::move(model)), range_(range) {}

    std::string list_string() override
    {
        return invoke(*model_, "ListFormat.ListString", [&] { return model_->list_string(range_); });
    }
    void remove_numbers() override
    {
        invoke(*model_, "ListFormat.RemoveNumbers", [&] { model_->remove_numbers(range_); });
    }

private:
    Model model_;
    RangeRef range_;
};

// Shares its settings with the Range object it came from.
class InMemoryTextRetrievalMode : public word::TextRetrievalMode {
public:
    InMemoryTextRetrievalMode(Model model, std::shared_ptr<TextRetrieval> retrieval)
        : model_(std::move(model)), retrieval_(std::move(retrieval)) {}

    void set_include_field_codes(bool include) override
    {
        invoke(*model_, "TextRetrievalMode.IncludeFieldCodes", [&] { retrieval_->include_field_codes = include; });
    }
    void set_include_hidden_text(bool include) override
    {
        invoke(*model_, "TextRetrievalMode.IncludeHiddenText", [&] { retrieval_->include_hidden_text = include; });
    }

private:
    Model model_;
    std::shared_ptr<TextRetrieval> retrieval_;
};

class InMemoryRange;

class InMemoryFields : public word::Fields {
public:
    explicit InMemoryFields(Model model) : model_(std::move(model)) {}

    void add(word::Range& range, word::FieldType type) override;

private:
    Model model_;
};

class InMemoryRange : public word::Range {
public:
    InMemoryRange(Model model, RangeRef range)
        : model_(std::move(model)), range_(range), retrieval_(std::make_shared<TextRetrieval>(range.retrieval)) {}

    const RangeRef& where() const { return range_; }

    std::int32_t start() override
    {
        return invoke(*model_, "Range.Start", [&] { return model_->range_start(range_); });
    }
    std::int32_t end() override
    {
        return invoke(*model_, "Range.End", [&] { return model_->range_end(range_); });
    }
    std::string text() override
    {
        return invoke(*model_, "Range.Text", [&] {
            RangeRef read = range_;
            read.retrieval = *retrieval_;
            return model_->range_text(read);
        });
    }
    std::unique_ptr<word::Characters> characters() override
    {
        return invoke(*model_, "Range.Characters",
                      [&] { return std::make_unique<InMemoryCharacters>(model_, range_); });
    }
    std::unique_ptr<word::ParagraphFormat> paragraph_format() override
    {
        return invoke(*model_, "Range.ParagraphFormat",
                      [&] { return std::make_unique<InMemoryParagraphFormat>(model_, range_); });
    }
    void delete_text(word::Unit unit, std::int32_t count) override
    {
        invoke(*model_, "Range.Delete", [&] { model_->delete_range(range_, unit, count); });
    }
    void insert_paragraph_after() override
    {
        invoke(*model_, "Range.InsertParagraphAfter", [&] { model_->insert_paragraph_after(range_); });
    }
    void insert_after(const std::string& text) override
    {
        invoke(*model_, "Range.InsertAfter", [&] { model_->insert_after(range_, text); });
    }
    std::unique_ptr<word::Font> font() override
    {
        return invoke(*model_, "Range.Font", [&] { return std::make_unique<InMemoryFont>(model_, range_); });
    }
    void set_text(const std::string& text) override
    {
        invoke(*model_, "Range.Text", [&] { range_ = model_->set_text(range_, text); });
    }
    void set_range(std::int32_t start, std::int32_t end) override
    {
        invoke(*model_, "Range.SetRange", [&] { range_ = model_->moved_range(range_, start, end); });
    }
    std::unique_ptr<word::Fields> fields() override
    {
        return invoke(*model_, "Range.Fields", [&] {
            model_->range_start(range_);  // the story must still exist
            return std::make_unique<InMemoryFields>(model_);
        });
    }
    std::unique_ptr<word::ListFormat> list_format() override
    {
        return invoke(*model_, "Range.ListFormat",
                      [&] { return std::make_unique<InMemoryListFormat>(model_, range_); });
    }
    std::unique_ptr<word::TextRetrievalMode> text_retrieval_mode() override
    {
        return invoke(*model_, "Range.TextRetrievalMode", [&] {
            model_->range_start(range_);
            return std::make_unique<InMemoryTextRetrievalMode>(model_, retrieval_);
        });
    }
    void set_highlight_color_index(word::HighlightColor index) override
    {
        invoke(*model_, "Range.HighlightColorIndex", [&] { model_->set_highlight(range_, index); });
    }
    float information(word::Information type) override
    {
        return invoke(*model_, "Range.Information", [&] { return model_->information(range_, type); });
    }

private:
    Model model_;
    RangeRef range_;
    std::shared_ptr<TextRetrieval> retrieval_;
};

void InMemoryFields::add(word::Range& range, word::FieldType type)
{
    invoke(*model_, "Fields.Add", [&] {
        const auto* at = dynamic_cast<InMemoryRange*>(&range);
        if (!at) throw WordError("Type mismatch.", static_cast<std::int32_t>(0x80020005u));
        model_->add_field(at->where(), type);
    });
}

class InMemoryParagraph : public word::Paragraph {
public:
    InMemoryParagraph(Model model, ParagraphRef paragraph) : model_(std::move(model)), paragraph_(paragraph) {}

    std::unique_ptr<word::Range> range() override
    {
        return invoke(*model_, "Paragraph.Range",
                      [&] { return std::make_unique<InMemoryRange>(model_, model_->paragraph_range(paragraph_)); });
    }
    std::unique_ptr<word::Paragraph> previous(std::int32_t count) override
    {
        return invoke(*model_, "Paragraph.Previous", [&] {
            return std::make_unique<InMemoryParagraph>(model_, model_->previous_paragraph(paragraph_, count));
        });
    }
    void set_alignment(word::ParagraphAlignment alignment) override
    {
        invoke(*model_, "Paragraph.Alignment", [&] {
            model_->set_paragraph_setting(model_->paragraph_range(paragraph_), ParagraphSetting::alignment,
                                          word::value_of(alignment));
        });
    }
    void set_line_unit_before(float lines) override
    {
        invoke(*model_, "Paragraph.LineUnitBefore", [&] {
            model_->set_paragraph_measure(model_->paragraph_range(paragraph_), ParagraphMeasure::line_unit_before,
                                          lines);
        });
    }
    void set_line_unit_after(float lines) override
    {
        invoke(*model_, "Paragraph.LineUnitAfter", [&] {
            model_->set_paragraph_measure(model_->paragraph_range(paragraph_), ParagraphMeasure::line_unit_after,
                                          lines);
        });
    }

private:
    Model model_;
    ParagraphRef paragraph_;
};

class InMemoryParagraphs : public word::Paragraphs {
public:
    InMemoryParagraphs(Model model, DocumentId document) : model_(std::move(model)), document_(document) {}

    std::int32_t count() override
    {
        return invoke(*model_, "Paragraphs.Count", [&] { return model_->paragraph_count(document_); });
    }
    std::unique_ptr<word::Paragraph> item(std::int32_t index) override
    {
        return invoke(*model_, "Paragraphs.Item", [&] {
            return std::make_unique<InMemoryParagraph>(model_, model_->paragraph(document_, index));
        });
    }
    std::unique_ptr<word::Paragraph> last() override
    {
        return invoke(*model_, "Paragraphs.Last", [&] {
            return std::make_unique<InMemoryParagraph>(model_, model_->last_paragraph(document_));
        });
    }

private:
    Model model_;
    DocumentId document_;
};

class InMemoryPageSetup : public word::PageSetup {
public:
    InMemoryPageSetup(Model model, DocumentId document) : model_(std::move(model)), document_(document) {}

    void set_top_margin(float points) override { margin("PageSetup.TopMargin", Margin::top, points); }
    void set_bottom_margin(float points) override { margin("PageSetup.BottomMargin", Margin::bottom, points); }
    void set_left_margin(float points) override { margin("PageSetup.LeftMargin", Margin::left, points); }
    void set_right_margin(float points) override { margin("PageSetup.RightMargin", Margin::right, points); }
    void set_paper_size(word::PaperSize size) override
    {
        setting("PageSetup.PaperSize", PageSetting::paper_size, word::value_of(size));
    }
    void set_layout_mode(word::LayoutMode mode) override
    {
        setting("PageSetup.LayoutMode", PageSetting::layout_mode, word::value_of(mode));
    }
    void set_lines_page(float lines) override { measure("PageSetup.LinesPage", PageMeasure::lines_page, lines); }
    void set_chars_line(float characters) override
    {
        measure("PageSetup.CharsLine", PageMeasure::chars_line, characters);
    }
    void set_odd_and_even_pages_header_footer(std::int32_t flag) override
    {
        setting("PageSetup.OddAndEvenPagesHeaderFooter", PageSetting::odd_and_even_pages_header_footer, flag);
    }
    void set_different_first_page_header_footer(std::int32_t flag) override
    {
        setting("PageSetup.DifferentFirstPageHeaderFooter", PageSetting::different_first_page_header_footer, flag);
    }
    void set_footer_distance(float points) override
    {
        measure("PageSetup.FooterDistance", PageMeasure::footer_distance, points);
    }

private:
    void setting(const char* member, PageSetting which, std::int32_t value)
    {
        invoke(*model_, member, [&] { model_->set_page_setting(document_, which, value); });
    }
    void measure(const char* member, PageMeasure which, float value)
    {
        invoke(*model_, member, [&] { model_->set_page_measure(document_, which, value); });
    }
    void margin(const char* member, Margin which, float points)
    {
        invoke(*model_, member, [&] { model_->set_margin(document_, which, points); });
    }

    Model model_;
    DocumentId document_;
};

class InMemoryHeaderFooter : public word::HeaderFooter {
public:
    InMemoryHeaderFooter(Model model, DocumentId document, std::int32_t section, word::HeaderFooterIndex index)
        : model_(std::move(model)), document_(document), section_(section), index_(index) {}

    std::unique_ptr<word::Range> range() override
    {
        return invoke(*model_, "HeaderFooter.Range", [&] {
            return std::make_unique<InMemoryRange>(model_, model_->footer_range(document_, section_, index_));
        });
    }
    bool link_to_previous() override
    {
        return invoke(*model_, "HeaderFooter.LinkToPrevious",
                      [&] { return model_->footer_linked(document_, section_, index_); });
    }

private:
    Model model_;
    DocumentId document_;
    std::int32_t section_;
    word::HeaderFooterIndex index_;
};

class InMemoryHeadersFooters : public word::HeadersFooters {
public:
    InMemoryHeadersFooters(Model model, DocumentId document, std::int32_t section)
        : model_(std::move(model)), document_(document), section_(section) {}

    std::unique_ptr<word::HeaderFooter> item(word::HeaderFooterIndex index) override
    {
        return invoke(*model_, "HeadersFooters.Item", [&] {
            model_->footer_range(document_, section_, index);
            return std::make_unique<InMemoryHeaderFooter>(model_, document_, section_, index);
        });
    }

private:
    Model model_;
    DocumentId document_;
    std::int32_t section_;
};

class InMemorySection : public word::Section {
public:
    InMemorySection(Model model, DocumentId document, std::int32_t section)
        : model_(std::move(model)), document_(document), section_(section) {}

    std::unique_ptr<word::HeadersFooters> footers() override
    {
        return invoke(*model_, "Section.Footers",
                      [&] { return std::make_unique<InMemoryHeadersFooters>(model_, document_, section_); });
    }
    std::unique_ptr<word::Range> range() override
    {
        return invoke(*model_, "Section.Range", [&] {
            return std::make_unique<InMemoryRange>(model_, model_->section_range(document_, section_));
        });
    }

private:
    Model model_;
    DocumentId document_;
    std::int32_t section_;
};

class InMemorySections : public word::Sections {
public:
    InMemorySections(Model model, DocumentId document) : model_(std::move(model)), document_(document) {}

    std::int32_t count() override
    {
        return invoke(*model_, "Sections.Count", [&] { return model_->section_count(document_); });
    }
    std::unique_ptr<word::Section> item(std::int32_t index) override
    {
        return invoke(*model_, "Sections.Item", [&] {
            model_->section_range(document_, index);
            return std::make_unique<InMemorySection>(model_, document_, index);
        });
    }

private:
    Model model_;
    DocumentId document_;
};

class InMemoryTable : public word::Table {
public:
    InMemoryTable(Model model, DocumentId document, std::int32_t table)
        : model_(std::move(model)), document_(document), table_(table) {}

    std::unique_ptr<word::Range> range() override
    {
        return invoke(*model_, "Table.Range", [&] {
            return std::make_unique<InMemoryRange>(model_, model_->table_range(document_, table_));
        });
    }

private:
    Model model_;
    DocumentId document_;
    std::int32_t table_;
};

class InMemoryTables : public word::Tables {
public:
    InMemoryTables(Model model, DocumentId document) : model_(std::move(model)), document_(document) {}

    std::int32_t count() override
    {
        return invoke(*model_, "Tables.Count", [&] { return model_->table_count(document_); });
    }
    std::unique_ptr<word::Table> item(std::int32_t index) override
    {
        return invoke(*model_, "Tables.Item", [&] {
            model_->table_range(document_, index);
            return std::make_unique<InMemoryTable>(model_, document_, index);
        });
    }

private:
    Model model_;
    DocumentId document_;
};

class InMemoryListParagraphs : public word::ListParagraphs {
public:
    InMemoryListParagraphs(Model model, DocumentId document) : model_(std::move(model)), document_(document) {}

    std::int32_t count() override
    {
        return invoke(*model_, "ListParagraphs.Count",
                      [&] { return static_cast<std::int32_t>(model_->list_paragraphs(document_).size()); });
    }
    std::unique_ptr<word::Paragraph> item(std::int32_t index) override
    {
        return invoke(*model_, "ListParagraphs.Item", [&] {
            const auto indexes = model_->list_paragraphs(document_);
            if (index < 1 || static_cast<std::size_t>(index) > indexes.size())
                throw WordError(no_such_member_text, hresult_no_such_member);
            return std::make_unique<InMemoryParagraph>(
                model_, model_->paragraph(document_, indexes[static_cast<std::size_t>(index - 1)]));
        });
    }

private:
    Model model_;
    DocumentId document_;
};

class InMemorySelection : public word::Selection {
public:
    InMemorySelection(Model model, DocumentId document) : model_(std::move(model)), document_(document) {}

    void set_range(std::int32_t start, std::int32_t end) override
    {
        invoke(*model_, "Selection.SetRange", [&] { model_->set_selection(document_, start, end); });
    }
    std::unique_ptr<word::Font> font() override
    {
        return invoke(*model_, "Selection.Font",
                      [&] { return std::make_unique<InMemoryFont>(model_, model_->selection(document_)); });
    }
    std::unique_ptr<word::ParagraphFormat> paragraph_format() override
    {
        return invoke(*model_, "Selection.ParagraphFormat", [&] {
            return std::make_unique<InMemoryParagraphFormat>(model_, model_->selection(document_));
        });
    }
    void home_key(word::Unit unit, word::Movement movement) override
    {
        invoke(*model_, "Selection.HomeKey", [&] { model_->home_key(document_, unit, movement); });
    }
    void end_key(word::Unit unit, word::Movement movement) override
    {
        invoke(*model_, "Selection.EndKey", [&] { model_->end_key(document_, unit, movement); });
    }

private:
    Model model_;
    DocumentId document_;
};

class InMemoryDocuments : public word::Documents {
public:
    explicit InMemoryDocuments(Model model) : model_(std::move(model)) {}

    std::int32_t count() override
    {
        return invoke(*model_, "Documents.Count", [&] { return model_->document_count(); });
    }

private:
    Model model_;
};

class InMemoryDocument : public word::Document {
public:
    InMemoryDocument(Model model, DocumentId document) : model_(std::move(model)), document_(document) {}

    void set_user_control(bool user_control) override
    {
        invoke(*model_, "Document.UserControl", [&] { model_->set_user_control(document_, user_control); });
    }
    std::unique_ptr<word::Range> content() override
    {
        return invoke(*model_, "Document.Content",
                      [&] { return std::make_unique<InMemoryRange>(model_, model_->whole_story(document_)); });
    }
    std::unique_ptr<word::PageSetup> page_setup() override
    {
        return invoke(*model_, "Document.PageSetup", [&] {
            model_->whole_story(document_);  // the document must still exist
            return std::make_unique<InMemoryPageSetup>(model_, document_);
        });
    }
    std::unique_ptr<word::Paragraphs> paragraphs() override
    {
        return invoke(*model_, "Document.Paragraphs", [&] {
            model_->whole_story(document_);
            return std::make_unique<InMemoryParagraphs>(model_, document_);
        });
    }
    std::unique_ptr<word::Range> range() override
    {
        return invoke(*model_, "Document.Range",
                      [&] { return std::make_unique<InMemoryRange>(model_, model_->whole_story(document_)); });
    }
    std::unique_ptr<word::Range> range(std::int32_t start, std::int32_t end) override
    {
        return invoke(*model_, "Document.Range", [&] {
            return std::make_unique<InMemoryRange>(model_, model_->range_between(document_, start, end));
        });
    }
    std::unique_ptr<word::Sections> sections() override
    {
        return invoke(*model_, "Document.Sections", [&] {
            model_->whole_story(document_);
            return std::make_unique<InMemorySections>(model_, document_);
        });
    }
    std::unique_ptr<word::ListParagraphs> list_paragraphs() override
    {
        return invoke(*model_, "Document.ListParagraphs", [&] {
            model_->whole_story(document_);
            return std::make_unique<InMemoryListParagraphs>(model_, document_);
        });
    }
    std::unique_ptr<word::Tables> tables() override
    {
        return invoke(*model_, "Document.Tables", [&] {
            model_->whole_story(document_);
            return std::make_unique<InMemoryTables>(model_, document_);
        });
    }

private:
    Model model_;
    DocumentId document_;
};

class InMemoryUndoRecord : public word::UndoRecord {
public:
    explicit InMemoryUndoRecord(Model model) : model_(std::move(model)) {}

    void start_custom_record(const std::string& name) override
    {
        invoke(*model_, "UndoRecord.StartCustomRecord", [&] { model_->start_custom_record(name); });
    }
    void end_custom_record() override
    {
        invoke(*model_, "UndoRecord.EndCustomRecord", [&] { model_->end_custom_record(); });
    }

private:
    Model model_;
};

class InMemoryApplication : public word::Application {
public:
    explicit InMemoryApplication(Model model) : model_(std::move(model)) {}

    void set_visible(bool visible) override
    {
        invoke(*model_, "Application.Visible", [&] { model_->visible = visible; });
    }
    bool screen_updating() override
    {
        return invoke(*model_, "Application.ScreenUpdating", [&] { return model_->screen_updating; });
    }
    void set_screen_updating(bool screen_updating) override
    {
        invoke(*model_, "Application.ScreenUpdating", [&] { model_->screen_updating = screen_updating; });
    }
    std::unique_ptr<word::UndoRecord> undo_record() override
    {
        return invoke(*model_, "Application.UndoRecord", [&] { return std::make_unique<InMemoryUndoRecord>(model_); });
    }
    std::unique_ptr<word::Documents> documents() override
    {
        return invoke(*model_, "Application.Documents", [&] { return std::make_unique<InMemoryDocuments>(model_); });
    }
    std::unique_ptr<word::Document> active_document() override
    {
        return invoke(*model_, "Application.ActiveDocument",
                      [&] { return std::make_unique<InMemoryDocument>(model_, model_->active_document()); });
    }
    std::unique_ptr<word::Selection> selection() override
    {
        return invoke(*model_, "Application.Selection",
                      [&] { return std::make_unique<InMemorySelection>(model_, model_->active_document()); });
    }
    void screen_refresh() override
    {
        invoke(*model_, "Application.ScreenRefresh", [] {});
    }
    std::vector<word::MemberName> missing_members(const std::vector<word::MemberName>& members) override
    {
        std::vector<word::MemberName> missing;
        for (const word::MemberName& name : members)
            if (model_->lacks(name.member)) missing.push_back(name);
        return missing;
    }
    std::string program_name() override { return word::program_by_name(model_->application_name, word::kWordProgram); }

private:
    Model model_;
};

}  // namespace

std::unique_ptr<word::Application> connect(std::shared_ptr<WordModel> model)
{
    return std::make_unique<InMemoryApplication>(std::move(model));
}

}  // namespace standin
