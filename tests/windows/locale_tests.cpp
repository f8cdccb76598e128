// The locale the tests run in: code page 936 by default, and a German run
// for the "," decimal separator.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

namespace {

std::wstring user_locale_text(LCTYPE item)
{
    wchar_t text[16] = {};
    int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text, 16);
    return length > 0 ? std::wstring(text) : std::wstring();
}

std::wstring from_ansi(const char* text)
{
    wchar_t wide[16] = {};
    int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, -1, wide, 16);
    return length > 0 ? std::wstring(wide) : std::wstring();
}

TEST(Locale, AnsiCodePageIsSimplifiedChinese)
{
    EXPECT_EQ(GetACP(), 936u);
}

TEST(Locale, SongTiInGbkBytesDecodesToItsTwoCharacters)
{
    EXPECT_EQ(from_ansi("\xcb\xce\xcc\xe5"), L"\u5b8b\u4f53");
}

TEST(Locale, DecimalSeparatorIsAPoint)
{
    EXPECT_EQ(user_locale_text(LOCALE_SDECIMAL), L".");
}

TEST(GermanLocale, AnsiCodePageIsWesternEuropean)
{
    EXPECT_EQ(GetACP(), 1252u);
}

TEST(GermanLocale, DecimalSeparatorIsAComma)
{
    EXPECT_EQ(user_locale_text(LOCALE_SDECIMAL), L",");
}

}  // namespace
