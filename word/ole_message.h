// Message texts of COM failures, shared by every way of talking to Word.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace word {

// "OLE error 800a1745": the text when nothing better describes an HRESULT.
std::string ole_error_text(std::int32_t hresult);

// The message for a failed HRESULT: the description if there is one, else
// the system's text for the code, else the generic OLE text.
std::string ole_failure_message(const std::string& description, const std::string& system_text,
                                std::int32_t hresult);

// The message for a call that the program ("Word", "WPS 文字") kept
// rejecting as busy: what to do, then the system's text for the code (or
// the generic OLE text) on a line of its own.
std::string busy_word_message(std::string_view program, const std::string& system_text, std::int32_t hresult);

// The program's name as it stands in a Chinese sentence: a space before it
// and after it where it meets Chinese text with a Latin letter ("在 Word
// 中", "在 WPS 文字中").
std::string in_sentence(std::string_view before, std::string_view program, std::string_view after);

}  // namespace word
