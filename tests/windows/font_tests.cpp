// The font the reports use must be there: "宋体" (SimSun), which the Wine
// prefix maps to the Song face AR PL UMing (WenQuanYi Zen Hei without it).
#include <windows.h>

#include <cwchar>

#include <gtest/gtest.h>

namespace {

int CALLBACK count_wide_family(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    ++*reinterpret_cast<int*>(found);
    return 1;
}

int CALLBACK count_ansi_family(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    ++*reinterpret_cast<int*>(found);
    return 1;
}

int families_named(const wchar_t* face)
{
    HDC screen = GetDC(nullptr);
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    int found = 0;
    EnumFontFamiliesExW(screen, &wanted, count_wide_family, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

int ansi_families_named(const char* face)
{
    HDC screen = GetDC(nullptr);
    int found = 0;
    EnumFontFamiliesA(screen, face, count_ansi_family, reinterpret_cast<LPARAM>(&found));
    ReleaseDC(nullptr, screen);
    return found;
}

TEST(Fonts, SongTiIsEnumerableOnTheScreenByItsChineseName)
{
    EXPECT_GT(families_named(L"\u5b8b\u4f53"), 0);
}

TEST(Fonts, SimSunIsEnumerableOnTheScreen)
{
    EXPECT_GT(families_named(L"SimSun"), 0);
}

TEST(Fonts, SongTiIsEnumerableThroughTheAnsiCodePage)
{
    EXPECT_GT(ansi_families_named("\xcb\xce\xcc\xe5"), 0);
}

TEST(Fonts, AnUnknownFamilyIsNotEnumerated)
{
    EXPECT_EQ(families_named(L"No Such Family Tidyset"), 0);
}

}  // namespace
