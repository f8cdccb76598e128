// UTF-8 as the program keeps text; UTF-32 where it counts characters.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Malformed sequences become U+FFFD, one per offending byte.
std::u32string decode_utf8(std::string_view text);
std::string encode_utf8(std::u32string_view text);
void append_utf8(std::string& out, char32_t c);

}  // namespace platform
