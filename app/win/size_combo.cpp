#include "app/win/size_combo.h"

#include "app/size_table.h"
#include "app/win/wide_text.h"

namespace app::win {

namespace {
constexpr int kVisibleEntries = 8;
}

void SizeComboBox::create_size_combo(HWND parent, const RECT& bounds, int id, HFONT font, int entry_height,
                                     int initial_index)
{
    create_combo(parent, bounds, id, CBS_DROPDOWN | CBS_AUTOHSCROLL, font, entry_height, kVisibleEntries);
    for (const auto& size : app::kChineseFontSizes) {
        SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(size.name).c_str()));
    }
    select(initial_index);
}

std::string SizeComboBox::text() const { return narrow(window_text(handle())); }

void SizeComboBox::set_text(const std::string& text) { SetWindowTextW(handle(), widen(text).c_str()); }

std::string SizeComboBox::value() const { return app::size_value(text()); }

}  // namespace app::win
