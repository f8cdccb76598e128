#include "typeset/stages.h"

namespace typeset {

namespace {

// The title font goes on the first line as Word lays it out, not on the
// whole first paragraph.
void format_title_line(RunContext& run)
{
    auto& application = run.application();
    application.selection()->home_key(word::Unit::story, word::Movement::move);
    application.selection()->home_key(word::Unit::line, word::Movement::move);
    application.selection()->end_key(word::Unit::line, word::Movement::extend);
    application.selection()->font()->set_name(run.dialog.font_name(FontCombo::btFontName));
    application.selection()->font()->set_size(run.size(SizeCombo::btFontSize));
    application.selection()->font()->set_bold(1);
    run.dialog.set_progress(kProgressAfterFormat);
}

// The body's paragraph format and size on each stretch between tables, in
// place of the whole selection's.
void format_outside_tables(RunContext& run, const DocumentMap& map)
{
    auto& document = run.document();
    for (const Span& part : map.outside_tables(0, map.story_end)) {
        const auto range = document.range(part.start, part.end);
        const auto format = range->paragraph_format();
        format->set_alignment(word::ParagraphAlignment::left);
        format->set_line_spacing_rule(word::LineSpacingRule::exactly);
        format->set_line_spacing(run.number(Edit::zwLine));
        format->set_space_after(run.number(Edit::zwDuanQianDuanHou));
        format->set_line_unit_before(run.number(Edit::zwDuanQianDuanHou));
        format->set_line_unit_after(run.number(Edit::zwDuanQianDuanHou));
        format->set_space_before_auto(0);
        format->set_space_after_auto(0);
        range->font()->set_size(run.size(SizeCombo::zwFontSize));
    }
}

}  // namespace

void format_document(RunContext& run, const DocumentMap& map)
{
    if (!map.tables.empty()) {
        format_outside_tables(run, map);
        auto& document = run.document();
        document.page_setup()->set_top_margin(run.centimetres_in_points(Edit::ymszTop));
        document.page_setup()->set_left_margin(run.centimetres_in_points(Edit::ymszLeft));
        document.page_setup()->set_bottom_margin(run.centimetres_in_points(Edit::ymszBottom));
        document.page_setup()->set_right_margin(run.centimetres_in_points(Edit::ymszRight));
        const auto content = document.content();
        content->font()->set_name(run.dialog.font_name(FontCombo::zwFontName));
        format_title_line(run);
        return;
    }

    auto& application = run.application();
    auto& document = run.document();

    // Select the whole main text.
    {
        const auto content = document.content();
        const auto end = content->end();
        const auto start = content->start();
        application.selection()->set_range(start, end);
    }

    auto& format = run.word.WordParagraphFormat1;
    format.connect_to(application.selection()->paragraph_format());
    format->set_alignment(word::ParagraphAlignment::left);
    format->set_space_before_auto(0);
    format->set_space_after_auto(0);

    auto& font = run.word.WordFont1;
    font.connect_to(application.selection()->font());

    format->set_line_spacing_rule(word::LineSpacingRule::exactly);
    format->set_line_spacing(run.number(Edit::zwLine));
    format->set_line_unit_before(run.number(Edit::zwDuanQianDuanHou));
    format->set_space_after(run.number(Edit::zwDuanQianDuanHou));

    document.page_setup()->set_top_margin(run.centimetres_in_points(Edit::ymszTop));
    document.page_setup()->set_left_margin(run.centimetres_in_points(Edit::ymszLeft));
    document.page_setup()->set_bottom_margin(run.centimetres_in_points(Edit::ymszBottom));
    document.page_setup()->set_right_margin(run.centimetres_in_points(Edit::ymszRight));

    font->set_size(run.size(SizeCombo::zwFontSize));
    font->set_name(run.dialog.font_name(FontCombo::zwFontName));

    // The spacing is set once more after the font: it is the second write of
    // the spacing after a paragraph that stands.
    format->set_line_unit_before(run.number(Edit::zwDuanQianDuanHou));
    format->set_line_unit_after(run.number(Edit::zwDuanQianDuanHou));
    format->set_space_before_auto(0);
    format->set_space_after_auto(0);

    format_title_line(run);
}

}  // namespace typeset
