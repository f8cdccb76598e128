#include "app/win/controls/chained_font_combo.h"

#include "app/win/controls/message_reflection.h"

namespace app::win {

LRESULT ChainedFontCombo::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    const LRESULT result = FontComboBox::on_message(message, wparam, lparam);
    if (message == reflected(WM_COMMAND) && HIWORD(wparam) == CBN_SELCHANGE && on_change_) on_change_();
    return result;
}

}  // namespace app::win
