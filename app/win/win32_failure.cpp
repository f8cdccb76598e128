#include "app/win/win32_failure.h"

#include <windows.h>

#include <stdexcept>

#include "settings/win32_file_system.h"

namespace app::win {

void throw_last_error(const std::string& what)
{
    const DWORD error = GetLastError();
    // Some calls fail without setting an error: say so rather than "success".
    const std::string reason = error ? settings::win32_error_text(error) : "Unknown error";
    throw std::runtime_error(what + ". " + reason);
}

}  // namespace app::win
