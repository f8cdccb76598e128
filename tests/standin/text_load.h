// Documents from plain text, for tests.
#pragma once

#include <string_view>

#include "tests/standin/state.h"

namespace standin {

// One paragraph a line (LF, CRLF or a lone CR), every character in the
// default format. A line end at the very end adds no empty paragraph; an
// empty text is one empty paragraph.
DocumentState load_text(std::string_view utf8);

// As load_text, but a line that starts with "[[STRING]]" is a paragraph that
// Word numbers as a list item, STRING being its list string:
// "[[（一）]]压实安全责任" is the text "压实安全责任" numbered "（一）".
DocumentState load_listed_text(std::string_view utf8);

}  // namespace standin
