#include "settings/settings_path.h"

namespace settings {

std::string path_beside(std::string_view executable_path, std::string_view file_name)
{
    const auto separator = executable_path.find_last_of("\\/:");
    std::string path(separator == std::string_view::npos ? std::string_view() : executable_path.substr(0, separator + 1));
    path += file_name;
    return path;
}

}  // namespace settings
