#include "typeset/run.h"

#include <cstdint>
#include <optional>

#include "typeset/run_frame.h"

#include "typeset/new_paragraphs.h"
#include "typeset/numbers.h"
#include "typeset/pictures.h"
#include "typeset/stages.h"
#include "word/errors.h"

namespace typeset {

namespace {

using word::ObjectType;

// What the frame itself uses. The document's user control, Word's screen
// updating and the one undo step (Word 2010 and later) are for the user's
// comfort: the run is right without them.
const MemberTable kFrameMembers = {
    needed(ObjectType::application, "Documents"),
    needed(ObjectType::documents, "Count"),
    needed(ObjectType::application, "ActiveDocument"),
    for_step(ObjectType::application, "Visible", Step::window),
    for_step(ObjectType::document, "UserControl", Step::user_control),
    for_step(ObjectType::application, "ScreenUpdating", Step::screen_updating),
    for_step(ObjectType::application, "ScreenRefresh", Step::screen_updating),
    for_step(ObjectType::application, "UndoRecord", Step::undo_record),
    for_step(ObjectType::undo_record, "StartCustomRecord", Step::undo_record),
    for_step(ObjectType::undo_record, "EndCustomRecord", Step::undo_record),
};

// The first page's stages.
const MemberTable kReportMembers = {
    needed(ObjectType::application, "Selection"),
    needed(ObjectType::selection, "SetRange"),
    needed(ObjectType::selection, "Font"),
    needed(ObjectType::selection, "ParagraphFormat"),
    needed(ObjectType::selection, "HomeKey"),
    needed(ObjectType::selection, "EndKey"),
    needed(ObjectType::document, "PageSetup"),
    needed(ObjectType::document, "Range"),
    needed(ObjectType::page_setup, "TopMargin"),
    needed(ObjectType::page_setup, "LeftMargin"),
    needed(ObjectType::page_setup, "BottomMargin"),
    needed(ObjectType::page_setup, "RightMargin"),
    needed(ObjectType::range, "ParagraphFormat"),
    needed(ObjectType::range, "Font"),
    needed(ObjectType::range, "Characters"),
    needed(ObjectType::range, "Delete"),
    needed(ObjectType::range, "InsertParagraphAfter"),
    needed(ObjectType::range, "InsertAfter"),
    needed(ObjectType::characters, "Count"),
    needed(ObjectType::font, "Size"),
    needed(ObjectType::font, "Name"),
    needed(ObjectType::font, "Bold"),
    needed(ObjectType::paragraph_format, "Alignment"),
    needed(ObjectType::paragraph_format, "SpaceBeforeAuto"),
    needed(ObjectType::paragraph_format, "SpaceAfterAuto"),
    needed(ObjectType::paragraph_format, "LineSpacingRule"),
    needed(ObjectType::paragraph_format, "LineSpacing"),
    needed(ObjectType::paragraph_format, "LineUnitBefore"),
    needed(ObjectType::paragraph_format, "LineUnitAfter"),
    needed(ObjectType::paragraph_format, "SpaceAfter"),
    needed(ObjectType::paragraph_format, "FirstLineIndent"),
    needed(ObjectType::paragraph_format, "RightIndent"),
    for_step(ObjectType::paragraph_format, "CharacterUnitFirstLineIndent", Step::character_indents),
    needed(ObjectType::paragraphs, "Last"),
    needed(ObjectType::paragraphs, "Count"),
    needed(ObjectType::paragraph, "Previous"),
    needed(ObjectType::paragraph, "Alignment"),
    needed(ObjectType::paragraph, "LineUnitBefore"),
    needed(ObjectType::paragraph, "LineUnitAfter"),
};

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

void run_in_frame(Dialog& dialog, word::WordServers& word, Platform& platform, const MemberTable& members,
                  const RunStages& stages)
{
    dialog.set_button_enabled(false);
    const auto start = platform.now();
    Borrowed borrowed;
    try {
        auto& application = word.WordApplication1;
        application.disconnect();
        application.connect();
        // Before anything changes: what the server cannot do of this run.
        ServerSupport support(application.get(), joined(joined(kFrameMembers, document_map_members()), members));
        if (!support.required_missing().empty()) {
            dialog.show_message(support.unsupported_message(), kMessageCaption, Icon::error);
            dialog.set_button_enabled(true);
            return;
        }
        RunContext run{dialog, word, platform, support};

        run.optional(Step::window, [&] { application->set_visible(true); });
        if (application->documents()->count() == 0) {
            dialog.show_message(kNoDocumentMessage, kMessageCaption, Icon::error);
            dialog.set_button_enabled(true);
            return;
        }

        word.WordDocument1.connect_to(application->active_document());
        borrowed.document_taken = run.can(Step::user_control);
        borrowed.document_taken =
            run.optional(Step::user_control, [&] { word.WordDocument1->set_user_control(false); });
        // Read before it is put: a put that fails half-way is undone too.
        // One refused is not: there is nothing to give back.
        if (!run.optional(Step::screen_updating, [&] {
                borrowed.screen_updating = application->screen_updating();
                application->set_screen_updating(false);
            }))
            borrowed.screen_updating.reset();
        // Word 2007 has no UndoRecord: such a run is a step per change.
        borrowed.undo_record_open = run.optional(
            Step::undo_record, [&] { application->undo_record()->start_custom_record(kUndoRecordName); });

        std::vector<std::string> notes = stages(run);
        const std::vector<std::string> left_out = support.notes();
        notes.insert(notes.end(), left_out.begin(), left_out.end());

        // The user sees the typeset document behind the completion message.
        end_undo_record(word, borrowed);
        restore_screen_updating(word, borrowed);
        dialog.set_progress(0);
        application.disconnect();
        const auto milliseconds = elapsed_milliseconds(start, platform.now());

        std::string message = "自动排版完成。用时：" + format_seconds(milliseconds, platform.decimal_separator()) + "秒";
        for (const std::string& note : notes) message += "\n" + note;
        dialog.show_message(message, kMessageCaption, Icon::information);
        if (borrowed.document_taken) word.WordDocument1->set_user_control(true);
        // The application component was detached above: this attaches it again.
        if (run.can(Step::screen_updating)) application->screen_refresh();
        dialog.set_button_enabled(true);
    } catch (...) {
        recover(dialog, word, borrowed);
        throw;
    }
}

void typeset_active_document(Dialog& dialog, word::WordServers& word, Platform& platform)
{
    run_in_frame(dialog, word, platform, joined(kReportMembers, new_paragraph_members()), [](RunContext& run) {
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
