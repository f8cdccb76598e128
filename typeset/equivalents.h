// Formats that a server lacking a member of them gets the nearest
// equivalent of: points for characters, Font.Name for NameFarEast.
#pragma once

#include <string>

#include "word/object_model.h"

namespace typeset {

struct RunContext;

// Word keeps an indent in characters or in points, and one left over from
// before may hold in either: both are cleared.
void clear_first_line_indent(RunContext& run, word::ParagraphFormat& format);

// An indent in characters; in points of that many characters of the given
// size where the server has no character units.
void indent_in_characters(RunContext& run, word::ParagraphFormat& format, void (word::ParagraphFormat::*in_characters)(float),
                          void (word::ParagraphFormat::*in_points)(float), float characters, float size);

// The Chinese font of the text. Without NameFarEast, Font.Name takes it,
// and the Western letters go with it.
void set_chinese_font(RunContext& run, word::Font& font, const std::string& name);

}  // namespace typeset
