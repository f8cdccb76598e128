#include "app/win/win32_platform.h"

#include <windows.h>

#include "platform/win/text.h"

namespace app::win {

std::string Win32Platform::decimal_separator()
{
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    if (length <= 1) return ".";
    return platform::win::to_utf8(std::wstring_view{separator, static_cast<std::size_t>(length - 1)});
}

std::chrono::steady_clock::time_point Win32Platform::now() { return std::chrono::steady_clock::now(); }

typeset::CivilDate Win32Platform::today()
{
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return typeset::CivilDate{local.wYear, local.wMonth, local.wDay};
}

}  // namespace app::win
