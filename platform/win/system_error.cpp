#include "platform/win/system_error.h"

#include <windows.h>

#include "platform/error_text.h"
#include "platform/win/text.h"

namespace platform::win {

std::string system_error_text(unsigned long code)
{
    constexpr DWORD kLongestText = 256;
    wchar_t buffer[kLongestText];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        buffer, kLongestText, nullptr);
    return trim_error_text(to_utf8(std::wstring_view(buffer, length)));
}

}  // namespace platform::win
