// Message texts of COM failures, shared by every way of talking to Word.
#pragma once

#include <cstdint>
#include <string>

namespace word {

// "OLE error 800a1745": the text when nothing better describes an HRESULT.
std::string ole_error_text(std::int32_t hresult);

// The message for a failed HRESULT: the description if there is one, else
// the system's text for the code, else the generic OLE text.
std::string ole_failure_message(const std::string& description, const std::string& system_text,
                                std::int32_t hresult);

// The message for a call that Word kept rejecting as busy: what to do, then
// the system's text for the code (or the generic OLE text) on a line of its
// own.
std::string busy_word_message(const std::string& system_text, std::int32_t hresult);

}  // namespace word
