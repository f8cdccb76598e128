#include "platform/win/executable_path.h"

#include <windows.h>

namespace platform::win {

std::wstring executable_path()
{
    // The path may be longer than MAX_PATH; a full buffer means it was cut.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace platform::win
