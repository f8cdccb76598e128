#include "platform/win/win32_failure.h"

#include <windows.h>

#include <stdexcept>

#include "platform/win/system_error.h"

namespace platform::win {

void throw_last_error(const std::string& what)
{
    const DWORD error = GetLastError();
    // Some calls fail without setting an error: say so rather than "success".
    const std::string reason = error ? system_error_text(error) : "Unknown error";
    throw std::runtime_error(what + ". " + reason);
}

}  // namespace platform::win
