// Views of the stand-in's state: a readable one for people, JSON for tools.
#pragma once

#include <string>

#include "tests/standin/state.h"

namespace standin {

class WordModel;

// Page margins, then one block per paragraph: its format, then its text in
// character runs such as "[宋体 18 bold]标题[宋体 14]正文", then its mark's format.
std::string render(const DocumentState& document);

// visible, and every document with its user control, selection, page setup
// and paragraphs (text, format, character runs, the mark's format).
std::string to_json(const WordModel& model);

}  // namespace standin
