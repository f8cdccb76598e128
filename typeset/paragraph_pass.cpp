#include "typeset/stages.h"

namespace typeset {

namespace {

inline constexpr float kFirstLineIndent = 28.346f;

}  // namespace

void remove_trailing_blanks(RunContext& run, const DocumentMap& map)
{
    // Deleting an empty last paragraph joins it to the one before, which is
    // then the last: the document never has to be walked from its start. A
    // table's last mark or a section break before the blanks cannot join,
    // so the final blank then stays.
    const std::size_t written = map.last_written();
    std::size_t removable = map.paragraphs.size() - 1 - written;
    if (removable > 0 && map.keeps_mark(written)) --removable;
    const auto paragraphs = run.document().paragraphs();
    for (std::size_t left = removable; left >= 1; --left) {
        const auto last = paragraphs->last()->range();
        if (last->characters()->count() > 1) break;
        last->delete_text(word::Unit::character, 1);
    }
    run.dialog.set_progress(kProgressAfterBlanks);
}

void paragraph_pass(RunContext& run, const DocumentMap& map)
{
    auto& document = run.document();
    const auto paragraphs = document.paragraphs();
    const auto count = paragraphs->count();

    const auto title = paragraphs->item(1);
    title->set_alignment(word::ParagraphAlignment::center);
    title->set_line_unit_before(run.number(Edit::btDuanQianDuanHou));
    title->set_line_unit_after(run.number(Edit::btDuanQianDuanHou));

    // Every paragraph from the third to the end gets the same indent, so one
    // range that touches them all takes it at once.
    if (count >= 3 && run.dialog.checked(CheckBox::DuanQian)) {
        const auto start = paragraphs->item(3)->range()->start();
        const auto end = document.content()->end();
        for (const Span& part : map.outside_tables(start, end))
            document.range(part.start, part.end)->paragraph_format()->set_first_line_indent(kFirstLineIndent);
    }
    run.dialog.set_progress(kProgressAfterPass);
}

}  // namespace typeset
