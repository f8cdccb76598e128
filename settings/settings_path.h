// Where the settings file lives: beside the executable.
#pragma once

#include <string>
#include <string_view>

namespace settings {

inline constexpr std::string_view settings_file_name = "system.ini";

// The directory of executable_path, its trailing separator included, then
// file_name. Both "\" and "/" separate, and a drive's ":" ends a directory.
std::string path_beside(std::string_view executable_path, std::string_view file_name);

}  // namespace settings
