// Inline pictures shown whole: exact line spacing cuts a picture to one
// line's height, and a first-line indent pushes it off centre.
#pragma once

#include "typeset/document_map.h"

namespace typeset {

// Every paragraph outside tables that holds an inline picture gets single
// spacing and no first-line indent; one that cannot be found is noted.
// Floating shapes have no place in the text and are not touched.
void keep_pictures_whole(RunContext& run, const DocumentMap& map, Notes& notes);

}  // namespace typeset
