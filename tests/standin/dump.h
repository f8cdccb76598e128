// Views of the stand-in's state: a readable one for people, JSON for tools.
#pragma once

#include <string>

#include "tests/standin/state.h"

namespace standin {

class WordModel;

// Page margins, then one block per paragraph: its format, then its text in
// character runs such as "[宋体 18 bold]标题[宋体 14]正文", then its mark's format;
// then each section after the first (or landscape) and the footers.
//
// Both views show every position of a text: a field as "{CODE|RESULT}", an
// inline picture as "{PICTURE}", a content control as "{CC:TEXT}", hidden
// text as any other (its format says it is hidden).
std::string render(const DocumentState& document);

// visible, and every document with its user control, selection, page setup,
// paragraphs (text, format, character runs, the mark's format as "mark", the
// mark's kind as "ends_with", "table"), sections (footers, "landscape", the
// section's "page_width" and "page_height", "footer_linked") and "raw_text":
// every position of the main story, marks as Range.Text reads them. A format
// has "hidden", "color", "underline" and "highlight" only when not Word's
// default; a paragraph "space_before", "page_break_before", "border_top",
// "border_bottom", "border_distance_from_bottom" and "tab_stops" only when
// not a new paragraph's (both views alike).
std::string to_json(const WordModel& model);

}  // namespace standin
