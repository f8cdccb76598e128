#include "typeset/run.h"

#include <cstdint>
#include <optional>

#include "typeset/run_frame.h"

#include "typeset/numbers.h"
#include "typeset/pictures.h"
#include "typeset/stages.h"
#include "word/errors.h"

namespace typeset {

namespace {

std::int64_t elapsed_milliseconds(std::chrono::steady_clock::time_point start,
                                  std::chrono::steady_clock::time_point end)
{
    const auto elapsed = end > start ? end - start : start - end;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

// What the run takes from Word for its duration and gives back on every
// path: the document's user control, Word's screen updating as it was
// found, and the open undo record.
struct Borrowed {
    bool document_taken = false;
    std::optional<bool> screen_updating;
    bool undo_record_open = false;
};

// Opens the one undo step of the run. Word 2007 has no UndoRecord, and a
// server may refuse it: those run as before, a step per change. A lost or
// busy Word still ends the run.
bool start_undo_record(word::Application& application)
{
    try {
        application.undo_record()->start_custom_record(kUndoRecordName);
        return true;
    } catch (const word::EOleSysError& error) {
        if (word::is_connection_failure(error.error_code())) throw;
        return false;
    } catch (const word::EOleError&) {
        return false;
    }
}

void end_undo_record(word::WordServers& word, Borrowed& borrowed)
{
    if (!borrowed.undo_record_open) return;
    word.WordApplication1->undo_record()->end_custom_record();
    borrowed.undo_record_open = false;
}

void restore_screen_updating(word::WordServers& word, Borrowed& borrowed)
{
    if (!borrowed.screen_updating) return;
    word.WordApplication1->set_screen_updating(*borrowed.screen_updating);
    borrowed.screen_updating.reset();
}

template <class Step>
void ignoring_failures(Step step)
{
    try {
        step();
    } catch (...) {
    }
}

// Puts the dialog and Word back in the user's hands after a failed run.
// Word may be the reason for the failure, so its errors are ignored here.
void recover(Dialog& dialog, word::WordServers& word, Borrowed& borrowed)
{
    dialog.set_progress(0);
    ignoring_failures([&] { end_undo_record(word, borrowed); });
    ignoring_failures([&] { restore_screen_updating(word, borrowed); });
    if (borrowed.document_taken) ignoring_failures([&] { word.WordDocument1->set_user_control(true); });
    dialog.set_button_enabled(true);
}

}  // namespace

void run_in_frame(Dialog& dialog, word::WordServers& word, Platform& platform, const RunStages& stages)
{
    dialog.set_button_enabled(false);
    const auto start = platform.now();
    Borrowed borrowed;
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
        borrowed.document_taken = true;
        word.WordDocument1->set_user_control(false);
        // Read before it is put: a put that fails half-way is undone too.
        borrowed.screen_updating = application->screen_updating();
        application->set_screen_updating(false);
        borrowed.undo_record_open = start_undo_record(application.get());

        RunContext run{dialog, word, platform};
        const std::vector<std::string> notes = stages(run);

        // The user sees the typeset document behind the completion message.
        end_undo_record(word, borrowed);
        restore_screen_updating(word, borrowed);
        dialog.set_progress(0);
        application.disconnect();
        const auto milliseconds = elapsed_milliseconds(start, platform.now());

        std::string message = "自动排版完成。用时：" + format_seconds(milliseconds, platform.decimal_separator()) + "秒";
        for (const std::string& note : notes) message += "\n" + note;
        dialog.show_message(message, kMessageCaption, Icon::information);
        word.WordDocument1->set_user_control(true);
        // The application component was detached above: this attaches it again.
        application->screen_refresh();
        dialog.set_button_enabled(true);
    } catch (...) {
        recover(dialog, word, borrowed);
        throw;
    }
}

void typeset_active_document(Dialog& dialog, word::WordServers& word, Platform& platform)
{
    run_in_frame(dialog, word, platform, [](RunContext& run) {
        const DocumentMap map = read_document_map(run);
        Notes notes;
        format_document(run, map);
        if (run.dialog.checked(CheckBox::wbkh)) remove_trailing_blanks(run, map);
        paragraph_pass(run, map);
        // The blanks removed were after every picture: their places stand.
        keep_pictures_whole(run, map, notes);
        append_sign_off(run);
        if (run.dialog.checked(CheckBox::zhyh)) align_closing_lines(run);
        return notes;
    });
}

}  // namespace typeset
