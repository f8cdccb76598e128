// Paragraphs the runs write (the sign-offs) are their own: Word gives new
// paragraphs the list number, colour, underline and highlight of the one
// they follow, which a sign-off must not have.
#pragma once

#include "typeset/document_map.h"

namespace typeset {

// What make_plain uses: each of its four changes is a step of its own.
const MemberTable& new_paragraph_members();

// Takes list numbering and character colour, underline and highlight off
// the paragraphs written in `added`.
void make_plain(RunContext& run, Span added);

}  // namespace typeset
