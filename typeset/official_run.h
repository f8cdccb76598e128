// One typesetting run of the official-document page (党政公文): what its
// "自动排版" button does. The document is laid out to GB/T 9704-2012.
#pragma once

#include "typeset/dialog.h"
#include "typeset/platform.h"
#include "word/components.h"

namespace typeset {

// The same frame as typeset_active_document (attach afresh, one undo step,
// no screen updates, progress, the elapsed time, failures handed to the
// caller with the document given back); the completion message also names
// every substitute font used.
void typeset_official_document(Dialog& dialog, word::WordServers& word, Platform& platform);

}  // namespace typeset
