#include "tests/core/reference_run.h"

#include <string>

#include "typeset/numbers.h"
#include "typeset/run.h"
#include "typeset/stages.h"

namespace reference {

namespace {

using typeset::CheckBox;
using typeset::Edit;
using typeset::RunContext;

inline constexpr float kFirstLineIndent = 28.346f;

std::unique_ptr<word::Paragraph> paragraph(RunContext& run, std::int32_t index)
{
    return run.document().paragraphs()->item(index);
}

std::int32_t paragraph_count(RunContext& run)
{
    return run.document().paragraphs()->count();
}

std::int32_t progress_percent(std::int32_t index, std::int32_t count)
{
    if (count <= 2) return 100;
    return index * 100 / (count - 2);
}

void old_remove_trailing_blanks(RunContext& run)
{
    const auto count = paragraph_count(run);
    for (auto index = count; index >= 1; --index) {
        if (paragraph(run, index)->range()->characters()->count() > 1) return;
        paragraph(run, index)->range()->delete_text(word::Unit::character, 1);
    }
}

void old_paragraph_pass(RunContext& run)
{
    const auto count = paragraph_count(run);
    for (std::int32_t index = 1; index <= count; ++index) {
        const auto percent = progress_percent(index, paragraph_count(run));
        if (percent <= 100) run.dialog.set_progress(static_cast<std::int16_t>(percent));

        if (index == 1) {
            paragraph(run, 1)->set_alignment(word::ParagraphAlignment::center);
            paragraph(run, 1)->set_line_unit_before(run.number(Edit::btDuanQianDuanHou));
            paragraph(run, 1)->set_line_unit_after(run.number(Edit::btDuanQianDuanHou));
        } else if (index >= 3 && run.dialog.checked(CheckBox::DuanQian)) {
            paragraph(run, index)->range()->paragraph_format()->set_first_line_indent(kFirstLineIndent);
        }
    }
}

std::string paragraph_text(RunContext& run, std::int32_t index)
{
    return paragraph(run, index)->range()->text();
}

bool ends_with_sign_off(RunContext& run)
{
    if (paragraph_text(run, paragraph_count(run)).find("年") == std::string::npos) return false;
    const auto count = paragraph_count(run);
    if (count < 3) return false;
    return paragraph_text(run, count - 2).find("审核人") != std::string::npos;
}

void align_right(RunContext& run, std::int32_t from_end)
{
    auto format = [&] { return paragraph(run, paragraph_count(run) - from_end)->range()->paragraph_format(); };
    format()->set_alignment(word::ParagraphAlignment::right);
    format()->set_right_indent(0);
}

void old_align_closing_lines(RunContext& run)
{
    align_right(run, 0);
    if (paragraph_count(run) >= 2) align_right(run, 1);
}

void old_append_sign_off(RunContext& run)
{
    if (!run.dialog.checked(CheckBox::tshr) || ends_with_sign_off(run)) return;

    auto& document = run.document();
    run.application().selection()->end_key(word::Unit::story, word::Movement::move);
    for (int i = 0; i < 4; ++i) document.range()->insert_paragraph_after();
    document.range()->insert_after("审核人：                起草人：");
    document.range()->insert_paragraph_after();
    document.range()->insert_after("此处写部门名称");
    document.range()->insert_paragraph_after();
    document.range()->insert_after(typeset::format_date(run.platform.today()));

    old_align_closing_lines(run);
}

}  // namespace

void typeset_active_document(typeset::Dialog& dialog, word::WordServers& word, typeset::Platform& platform)
{
    dialog.set_button_enabled(false);
    bool document_taken = false;
    try {
        auto& application = word.WordApplication1;
        application.disconnect();
        application.connect();
        application->set_visible(true);
        if (application->documents()->count() == 0) {
            dialog.show_message(typeset::kNoDocumentMessage, typeset::kMessageCaption, typeset::Icon::error);
            dialog.set_button_enabled(true);
            return;
        }
        word.WordDocument1.connect_to(application->active_document());
        document_taken = true;
        word.WordDocument1->set_user_control(false);

        typeset::ServerSupport support;
        RunContext run{dialog, word, platform, support};
        typeset::format_document(run, typeset::DocumentMap{});
        if (dialog.checked(CheckBox::wbkh)) old_remove_trailing_blanks(run);
        old_paragraph_pass(run);
        old_append_sign_off(run);
        if (dialog.checked(CheckBox::zhyh)) old_align_closing_lines(run);

        dialog.set_progress(0);
        application.disconnect();
        dialog.show_message("自动排版完成。", typeset::kMessageCaption, typeset::Icon::information);
        word.WordDocument1->set_user_control(true);
        application->screen_refresh();
        dialog.set_button_enabled(true);
    } catch (...) {
        dialog.set_progress(0);
        if (document_taken) {
            try {
                word.WordDocument1->set_user_control(true);
            } catch (...) {
            }
        }
        dialog.set_button_enabled(true);
        throw;
    }
}

}  // namespace reference
