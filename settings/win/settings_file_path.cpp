#include "settings/win/settings_file_path.h"

#include "platform/win/executable_path.h"
#include "platform/win/text.h"
#include "settings/settings_path.h"

namespace settings {

std::string settings_file_path()
{
    return path_beside(platform::win::to_utf8(platform::win::executable_path()), settings_file_name);
}

}  // namespace settings
