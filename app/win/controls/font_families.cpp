#include "app/win/controls/font_families.h"

#include <algorithm>

#include "platform/win/callback_failure.h"
#include "platform/win/unique_handle.h"

namespace app::win {

namespace {

struct FamilyList {
    std::vector<FontFamily> families;
    platform::win::CallbackFailure failure;
};

int CALLBACK add_family(const LOGFONTW* font, const TEXTMETRICW*, DWORD font_type, LPARAM list)
{
    auto& found = *reinterpret_cast<FamilyList*>(list);
    return found.failure.run([&] {
        found.families.push_back(FontFamily{font->lfFaceName, font_type, font->lfPitchAndFamily});
        return 1;
    });
}

int compare_ignoring_case(const std::wstring& a, const std::wstring& b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size()));
}

}  // namespace

bool same_text_ignoring_case(const std::wstring& a, const std::wstring& b)
{
    return compare_ignoring_case(a, b) == CSTR_EQUAL;
}

std::vector<FontFamily> screen_font_families()
{
    FamilyList found;
    {
        platform::win::window_dc screen{nullptr};
        EnumFontFamiliesW(screen.get(), nullptr, add_family, reinterpret_cast<LPARAM>(&found));
    }
    found.failure.rethrow();
    std::vector<FontFamily> families = std::move(found.families);
    std::stable_sort(families.begin(), families.end(), [](const FontFamily& a, const FontFamily& b) {
        return compare_ignoring_case(a.name, b.name) == CSTR_LESS_THAN;
    });
    // A family enumerated twice is listed once.
    families.erase(std::unique(families.begin(), families.end(),
                               [](const FontFamily& a, const FontFamily& b) { return a.name == b.name; }),
                   families.end());
    return families;
}

}  // namespace app::win
