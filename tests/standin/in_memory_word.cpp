#include "tests/standin/in_memory_word.h"

#include <string>
#include <utility>

#include "word/errors.h"
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

private:
    Model model_;
    RangeRef range_;
};

class InMemoryParagraphFormat : public word::ParagraphFormat {
public:
    InMemoryParagraphFormat(Model model, RangeRef range) : model_(std::move(model)), range_(range) {}

    void set_alignment(std::int32_t alignment) override
    {
        setting("ParagraphFormat.Alignment", ParagraphSetting::alignment, alignment);
    }
    void set_line_spacing_rule(std::int32_t rule) override
    {
        setting("ParagraphFormat.LineSpacingRule", ParagraphSetting::line_spacing_rule, rule);
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

class InMemoryRange : public word::Range {
public:
    InMemoryRange(Model model, RangeRef range) : model_(std::move(model)), range_(range) {}

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
        return invoke(*model_, "Range.Text", [&] { return model_->range_text(range_); });
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
    void delete_text(std::int32_t unit, std::int32_t count) override
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

private:
    Model model_;
    RangeRef range_;
};

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
    void set_alignment(std::int32_t alignment) override
    {
        invoke(*model_, "Paragraph.Alignment", [&] {
            model_->set_paragraph_setting(model_->paragraph_range(paragraph_), ParagraphSetting::alignment,
                                          alignment);
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

private:
    void margin(const char* member, Margin which, float points)
    {
        invoke(*model_, member, [&] { model_->set_margin(document_, which, points); });
    }

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
    void home_key(std::int32_t unit, std::int32_t extend) override
    {
        invoke(*model_, "Selection.HomeKey", [&] { model_->home_key(document_, unit, extend); });
    }
    void end_key(std::int32_t unit, std::int32_t extend) override
    {
        invoke(*model_, "Selection.EndKey", [&] { model_->end_key(document_, unit, extend); });
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

private:
    Model model_;
};

}  // namespace

std::unique_ptr<word::Application> connect(std::shared_ptr<WordModel> model)
{
    return std::make_unique<InMemoryApplication>(std::move(model));
}

}  // namespace standin
