#include "settings/win32_executable_path.h"

#include <windows.h>

#include "settings/settings_path.h"
#include "settings/win32_text.h"

namespace settings {

std::string executable_path()
{
    // The path may be longer than MAX_PATH; a full buffer means it was cut.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return narrow(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string settings_file_path() { return path_beside(executable_path(), settings_file_name); }

}  // namespace settings
