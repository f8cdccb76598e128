// The settings file's bytes and its content in memory.
#pragma once

#include <string>
#include <string_view>

#include "settings/code_page.h"
#include "settings/ini_content.h"

namespace settings {

inline constexpr std::string_view utf8_byte_order_mark = "\xEF\xBB\xBF";

// A file that begins with a UTF-8 byte-order mark is UTF-8 whatever the code
// page. A NUL ends the text; comments, blank lines and lines before the
// first section are dropped.
IniContent parse_ini(std::string_view bytes, const CodePage& code_page);

// Every section as "[name]", its lines and an empty line, each ended by CR LF.
std::string ini_text(const IniContent& content);

// The text in the code page; when some character has no place in it, UTF-8
// with a byte-order mark instead, so that nothing turns into "?".
std::string format_ini(const IniContent& content, const CodePage& code_page);

}  // namespace settings
