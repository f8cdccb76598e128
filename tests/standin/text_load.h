// Documents from plain text, for tests.
#pragma once

#include <string_view>

#include "tests/standin/state.h"

namespace standin {

// One paragraph a line (LF, CRLF or a lone CR), every character in the
// default format. A line end at the very end adds no empty paragraph; an
// empty text is one empty paragraph.
DocumentState load_text(std::string_view utf8);

}  // namespace standin
