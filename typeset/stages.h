// The stages of a typesetting run. Each reads the dialog at the moment it
// needs a value and fetches Word's objects afresh after every edit. None walks
// the document paragraph by paragraph: what Word is asked costs the same for
// a page as for a whole report, apart from the blanks removed at the end.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "typeset/dialog.h"
#include "typeset/document_map.h"
#include "typeset/platform.h"
#include "typeset/server_support.h"
#include "word/components.h"

namespace typeset {

struct RunContext {
    Dialog& dialog;
    word::WordServers& word;
    Platform& platform;
    ServerSupport& support;

    // The document being typeset and Word itself, as the frame attached them.
    word::Document& document() { return word.WordDocument1.get(); }
    word::Application& application() { return word.WordApplication1.get(); }

    // Dialog values as numbers, parsed when they are read.
    float number(Edit edit);
    float size(SizeCombo combo);
    float centimetres_in_points(Edit edit);

    // Whether the server can do the step (it lacks none of its members and
    // has refused none of its values so far).
    bool can(Step step) const { return !support.lacks(step); }
    // Does an optional step unless the server cannot; a Word error in it
    // leaves the rest of the step out, not the run (a lost or busy server
    // still ends it). Returns whether the step was done.
    bool optional(Step step, const std::function<void()>& action);
};

// Where the progress bar stands once a stage is done; the run puts it back at
// 0 when it ends.
inline constexpr std::int16_t kProgressAfterFormat = 25;
inline constexpr std::int16_t kProgressAfterBlanks = 50;
inline constexpr std::int16_t kProgressAfterPass = 75;
inline constexpr std::int16_t kProgressAfterSignOff = 100;

// Selects the whole document and gives it the body's paragraph format and
// font and the page margins, then the first line the title font. Tables keep
// their paragraphs' format and their text's size: only the font reaches them.
void format_document(RunContext& run, const DocumentMap& map);

// Deletes the empty paragraphs at the end of the document; a table's or a
// section's end before them stays.
void remove_trailing_blanks(RunContext& run, const DocumentMap& map);

// Centres the title paragraph with its spacing and indents the paragraphs
// from the third on, tables left out.
void paragraph_pass(RunContext& run, const DocumentMap& map);

// Appends the reviewer, drafter and date lines unless the document already
// ends with them, as plain paragraphs of their own.
void append_sign_off(RunContext& run);

// Right-aligns the last two paragraphs (the last one, in a one-paragraph
// document).
void align_closing_lines(RunContext& run);

}  // namespace typeset
