// Failed Win32 calls become exceptions whose message carries the system's
// error text, as the settings file's errors do.
#pragma once

#include <string>

namespace platform::win {

// Throws std::runtime_error: `what`, then the text of GetLastError().
[[noreturn]] void throw_last_error(const std::string& what);

}  // namespace platform::win
