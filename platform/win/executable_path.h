// The path of the running executable.
#pragma once

#include <string>

namespace platform::win {

// "" if the system cannot say.
std::wstring executable_path();

}  // namespace platform::win
