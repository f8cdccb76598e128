// The typesetting run as it was first written: the paragraph pass and the
// sign-off walk the document paragraph by paragraph through Paragraphs.Item,
// fetching every object afresh. Kept as the reference that the run's cheaper
// stages must match document for document.
#pragma once

#include "typeset/dialog.h"
#include "typeset/platform.h"
#include "word/components.h"

namespace reference {

void typeset_active_document(typeset::Dialog& dialog, word::WordServers& word, typeset::Platform& platform);

}  // namespace reference
