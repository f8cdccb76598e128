// One typesetting run: what pressing "自动排版" does.
#pragma once

#include "typeset/dialog.h"
#include "typeset/platform.h"
#include "word/components.h"

namespace typeset {

inline constexpr const char* kNoDocumentMessage = "请先打开待排版的文档。";
inline constexpr const char* kMessageCaption = "提示";
// The run's one entry in Word's undo list.
inline constexpr const char* kUndoRecordName = "自动排版";

// Attaches to Word afresh, typesets the active document as one undo step
// with Word's screen updating off, and reports the elapsed time. A failure
// propagates to the caller's error box, after the button, the progress bar,
// the document's user control, Word's screen updating and its undo record
// are restored; the document keeps every change made before it.
void typeset_active_document(Dialog& dialog, word::WordServers& word, Platform& platform);

}  // namespace typeset
