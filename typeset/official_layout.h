// The official document read for what each paragraph is, and laid out
// where Word has it: the header, the title, the addressee, the headings,
// the attachment note, the sign-off, the annotation, the attachments and
// the imprint. Only their paragraphs cost Word calls; the body's cost none.
#pragma once

#include <string>
#include <vector>

#include "typeset/document_map.h"
#include "typeset/official_roles.h"

namespace typeset {

struct RunContext;

struct OfficialReading {
    DocumentMap map;
    // Per paragraph of the map.
    std::vector<std::string> list_strings;
    std::vector<ParagraphRole> roles;
};

// The map, Word's list numbers and what each paragraph is.
OfficialReading read_official_document(RunContext& run);

// The paragraphs added and removed, the new sign-off's text and the tabs
// in the document number and 印发 lines: done before any format, from the
// end of the document to its start, so that each edit leaves the places of
// those before it as they were. Returns whether anything changed.
bool edit_official_document(RunContext& run, const OfficialReading& reading, Notes& notes);

// The header's, the title's ... the imprint's own formats, over the body's.
void lay_out_official_document(RunContext& run, const OfficialReading& reading, Notes& notes);

}  // namespace typeset
