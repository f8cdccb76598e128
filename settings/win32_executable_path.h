// The path of the running executable, in UTF-8.
#pragma once

#include <string>

namespace settings {

std::string executable_path();

// The settings file's full path: system.ini beside the executable.
std::string settings_file_path();

}  // namespace settings
