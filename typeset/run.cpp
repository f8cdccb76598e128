#include "typeset/run.h"

#include "typeset/numbers.h"
#include "typeset/stages.h"

namespace typeset {

namespace {

std::int64_t elapsed_milliseconds(std::chrono::steady_clock::time_point start,
                                  std::chrono::steady_clock::time_point end)
{
    const auto elapsed = end > start ? end - start : start - end;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

// Puts the dialog and the document back in the user's hands after a failed
// run. Word may be the reason for the failure, so its errors are ignored here.
void recover(Dialog& dialog, word::WordServers& word, bool document_taken)
{
    dialog.set_progress(0);
    if (document_taken) {
        try {
            word.WordDocument1->set_user_control(true);
        } catch (...) {
        }
    }
    dialog.set_button_enabled(true);
}

}  // namespace

void typeset_active_document(Dialog& dialog, word::WordServers& word, Platform& platform)
{
    dialog.set_button_enabled(false);
    const auto start = platform.now();
    bool document_taken = false;
    try {
        auto& application = word.WordApplication1;
        application.disconnect();
        application.connect();
        application->set_visible(true);
        if (application->documents()->count() == 0) {
            dialog.show_message(kNoDocumentMessage, kMessageCaption, Icon::error);
            dialog.set_button_enabled(true);
            return;
        }

        word.WordDocument1.connect_to(application->active_document());
        document_taken = true;
        word.WordDocument1->set_user_control(false);

        RunContext run{dialog, word, platform};
        format_document(run);
        if (dialog.checked(CheckBox::wbkh)) remove_trailing_blanks(run);
        paragraph_pass(run);
        append_sign_off(run);
        if (dialog.checked(CheckBox::zhyh)) align_closing_lines(run);

        dialog.set_progress(0);
        application.disconnect();
        const auto milliseconds = elapsed_milliseconds(start, platform.now());

        dialog.show_message("自动排版完成。用时：" + format_seconds(milliseconds, platform.decimal_separator()) + "秒",
                            kMessageCaption, Icon::information);
        word.WordDocument1->set_user_control(true);
        // The application component was detached above: this attaches it again.
        application->screen_refresh();
        dialog.set_button_enabled(true);
    } catch (...) {
        recover(dialog, word, document_taken);
        throw;
    }
}

}  // namespace typeset
