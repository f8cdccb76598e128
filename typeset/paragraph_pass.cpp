#include "typeset/stages.h"

namespace typeset {

namespace {

inline constexpr float kFirstLineIndent = 28.346f;

}  // namespace

void remove_trailing_blanks(RunContext& run)
{
    const auto paragraphs = run.word.WordDocument1->paragraphs();
    // Deleting an empty last paragraph joins it to the one before, which is
    // then the last: the document never has to be walked from its start.
    for (auto left = paragraphs->count(); left >= 1; --left) {
        const auto last = paragraphs->last()->range();
        if (last->characters()->count() > 1) break;
        last->delete_text(word::wdCharacter, 1);
    }
    run.dialog.set_progress(kProgressAfterBlanks);
}

void paragraph_pass(RunContext& run)
{
    auto& document = run.word.WordDocument1;
    const auto paragraphs = document->paragraphs();
    const auto count = paragraphs->count();

    const auto title = paragraphs->item(1);
    title->set_alignment(word::wdAlignParagraphCenter);
    title->set_line_unit_before(run.number(Edit::btDuanQianDuanHou));
    title->set_line_unit_after(run.number(Edit::btDuanQianDuanHou));

    // Every paragraph from the third to the end gets the same indent, so one
    // range that touches them all takes it at once.
    if (count >= 3 && run.dialog.checked(CheckBox::DuanQian)) {
        const auto start = paragraphs->item(3)->range()->start();
        const auto end = document->content()->end();
        document->range(start, end)->paragraph_format()->set_first_line_indent(kFirstLineIndent);
    }
    run.dialog.set_progress(kProgressAfterPass);
}

}  // namespace typeset
