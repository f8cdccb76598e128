#include "typeset/stages.h"

namespace typeset {

namespace {

inline constexpr float kFirstLineIndent = 28.346f;

std::unique_ptr<word::Paragraph> paragraph(RunContext& run, std::int32_t index)
{
    return run.word.WordDocument1->paragraphs()->item(index);
}

std::int32_t paragraph_count(RunContext& run)
{
    return run.word.WordDocument1->paragraphs()->count();
}

// The bar reaches 100 at the third paragraph from the end; documents too
// short for that are at 100 from the start.
std::int32_t progress_percent(std::int32_t index, std::int32_t count)
{
    if (count <= 2) return 100;
    return index * 100 / (count - 2);
}

}  // namespace

void remove_trailing_blanks(RunContext& run)
{
    const auto count = paragraph_count(run);
    // Backwards from the end; the index is not adjusted for what Word removed,
    // so after a deletion it names the paragraph that preceded the deleted one.
    for (auto index = count; index >= 1; --index) {
        if (paragraph(run, index)->range()->characters()->count() > 1) return;
        paragraph(run, index)->range()->delete_text(word::wdCharacter, 1);
    }
}

void paragraph_pass(RunContext& run)
{
    const auto count = paragraph_count(run);
    for (std::int32_t index = 1; index <= count; ++index) {
        const auto percent = progress_percent(index, paragraph_count(run));
        if (percent <= 100) run.dialog.set_progress(static_cast<std::int16_t>(percent));

        if (index == 1) {
            paragraph(run, 1)->set_alignment(word::wdAlignParagraphCenter);
            paragraph(run, 1)->set_line_unit_before(run.number(Edit::btDuanQianDuanHou));
            paragraph(run, 1)->set_line_unit_after(run.number(Edit::btDuanQianDuanHou));
        } else if (index >= 3 && run.dialog.checked(CheckBox::DuanQian)) {
            paragraph(run, index)->range()->paragraph_format()->set_first_line_indent(kFirstLineIndent);
        }
    }
}

}  // namespace typeset
