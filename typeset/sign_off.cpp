#include "typeset/new_paragraphs.h"
#include "typeset/numbers.h"
#include "typeset/stages.h"

namespace typeset {

namespace {

const std::string kReviewerAndDrafter = "审核人：                起草人：";
const std::string kDepartmentPlaceholder = "此处写部门名称";

// A block from an earlier run ends the document: its date line is last and
// its reviewer line third from the end.
bool ends_with_sign_off(RunContext& run)
{
    const auto paragraphs = run.document().paragraphs();
    const auto last = paragraphs->last();
    if (last->range()->text().find("年") == std::string::npos) return false;
    if (paragraphs->count() < 3) return false;
    return last->previous(2)->range()->text().find("审核人") != std::string::npos;
}

void align_right(word::Paragraph& paragraph)
{
    const auto format = paragraph.range()->paragraph_format();
    format->set_alignment(word::ParagraphAlignment::right);
    format->set_right_indent(0);
}

}  // namespace

void append_sign_off(RunContext& run)
{
    if (run.dialog.checked(CheckBox::tshr) && !ends_with_sign_off(run)) {
        auto& document = run.document();
        const std::int32_t end = document.range()->end();
        run.application().selection()->end_key(word::Unit::story, word::Movement::move);
        for (int i = 0; i < 4; ++i) document.range()->insert_paragraph_after();
        document.range()->insert_after(kReviewerAndDrafter);
        document.range()->insert_paragraph_after();
        document.range()->insert_after(kDepartmentPlaceholder);
        document.range()->insert_paragraph_after();
        document.range()->insert_after(format_date(run.platform.today()));
        make_plain(run, {end, document.range()->end()});

        align_closing_lines(run);
    }
    run.dialog.set_progress(kProgressAfterSignOff);
}

void align_closing_lines(RunContext& run)
{
    const auto paragraphs = run.document().paragraphs();
    const auto last = paragraphs->last();
    align_right(*last);
    // Word has no paragraph before the first.
    if (paragraphs->count() >= 2) align_right(*last->previous(1));
}

}  // namespace typeset
