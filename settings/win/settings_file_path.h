// Where the settings file lives on Windows.
#pragma once

#include <string>

namespace settings {

// The settings file's full path: system.ini beside the executable.
std::string settings_file_path();

}  // namespace settings
