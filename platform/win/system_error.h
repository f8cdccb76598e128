// The system's text for an error code, as the error boxes quote it.
#pragma once

#include <string>

namespace platform::win {

// The system's message for a Win32 error or an HRESULT (at most 256
// characters), trimmed; "" when it has none.
std::string system_error_text(unsigned long code);

}  // namespace platform::win
