// The operating system's text for an error code, as the file errors quote it.
#pragma once

#include <string>

namespace settings {

// The system's messages end in a period and a line break; the error box adds
// its own full stop, so trailing blanks, control characters and periods go.
std::string trim_system_error_text(std::string text);

}  // namespace settings
