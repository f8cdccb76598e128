// The trimming rule of error texts from the system or from Word.
#pragma once

#include <string>

namespace platform {

// Such texts end in a period, blanks or a line break; the error box adds its
// own full stop, so trailing blanks, control characters and ASCII periods go.
std::string trim_error_text(std::string text);

}  // namespace platform
