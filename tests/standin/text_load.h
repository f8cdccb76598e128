// Documents from plain text, for tests.
#pragma once

#include <string_view>

#include "tests/standin/state.h"

namespace standin {

// One paragraph a line (LF, CRLF or a lone CR), every character in the
// default format. A line end at the very end adds no empty paragraph; an
// empty text is one empty paragraph.
DocumentState load_text(std::string_view utf8);

// The stand-in document format: load_text's lines, in which a plain text
// loads just as there, with this markup:
//
//   [[STRING]] at the start of a line: the paragraph is a list item that
//     Word numbers STRING: "[[（一）]]压实安全责任" is the text "压实安全责任"
//     numbered "（一）".
//   {{CODE|RESULT}}: a field, code and result as written (spaces kept), each
//     of which may hold more markup, fields included:
//     {{ HYPERLINK "mailto:li@example.cn" |li@example.cn}},
//     {{ DATE \@ "yyyy年M月d日" |2026年12月8日}}.
//   {{PICTURE}}: an inline picture.
//   {{HIDDEN:text}}: hidden text.
//   {{CC:text}}: text in a content control, its markers around it.
//   {{U:text}}: single-underlined text.
//   {{RED:text}}: red text (Word's RGB red, 255).
//   A line that is exactly {{SECTION}}, {{SECTION LANDSCAPE}},
//     {{SECTION UNLINKED}} or {{SECTION LANDSCAPE UNLINKED}}: an empty
//     paragraph ending with a section break; LANDSCAPE makes the section
//     that follows the break landscape, UNLINKED gives it footers of its own
//     (else they are the previous section's, as in a new Word section).
//   A line starting and ending with "|": a table row, its cells between the
//     bars (spaces around a cell dropped), a cell's paragraphs separated by
//     "¶". Consecutive rows are one table. A cell's last paragraph ends with
//     an end-of-cell mark, and each row with an empty paragraph holding the
//     end-of-row mark.
//
// Any other {{…}}, or one left open, is literal text. A document ending with
// a table or a section break gets an empty last paragraph, as Word's always
// has one after them.
DocumentState load_listed_text(std::string_view utf8);

}  // namespace standin
