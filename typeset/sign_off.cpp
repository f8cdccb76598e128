#include "typeset/numbers.h"
#include "typeset/stages.h"

namespace typeset {

namespace {

const std::string kReviewerAndDrafter = "审核人：                起草人：";
const std::string kDepartmentPlaceholder = "此处写部门名称";

std::string paragraph_text(RunContext& run, std::int32_t index)
{
    return run.word.WordDocument1->paragraphs()->item(index)->range()->text();
}

std::int32_t paragraph_count(RunContext& run)
{
    return run.word.WordDocument1->paragraphs()->count();
}

// A block from an earlier run ends the document: its date line is last and
// its reviewer line third from the end.
bool ends_with_sign_off(RunContext& run)
{
    if (paragraph_text(run, paragraph_count(run)).find("年") == std::string::npos) return false;
    const auto count = paragraph_count(run);
    if (count < 3) return false;
    return paragraph_text(run, count - 2).find("审核人") != std::string::npos;
}

void align_right(RunContext& run, std::int32_t from_end)
{
    auto format = [&] {
        const auto index = paragraph_count(run) - from_end;
        return run.word.WordDocument1->paragraphs()->item(index)->range()->paragraph_format();
    };
    format()->set_alignment(word::wdAlignParagraphRight);
    format()->set_right_indent(0);
}

}  // namespace

void append_sign_off(RunContext& run)
{
    if (!run.dialog.checked(CheckBox::tshr) || ends_with_sign_off(run)) return;

    auto& document = run.word.WordDocument1;
    run.word.WordApplication1->selection()->end_key(word::wdStory, word::wdMove);
    for (int i = 0; i < 4; ++i) document->range()->insert_paragraph_after();
    document->range()->insert_after(kReviewerAndDrafter);
    document->range()->insert_paragraph_after();
    document->range()->insert_after(kDepartmentPlaceholder);
    document->range()->insert_paragraph_after();
    document->range()->insert_after(format_date(run.platform.today()));

    align_closing_lines(run);
}

void align_closing_lines(RunContext& run)
{
    align_right(run, 0);
    // Word has no paragraph before the first.
    if (paragraph_count(run) >= 2) align_right(run, 1);
}

}  // namespace typeset
