#include "app/win/controls/text_edit.h"

namespace app::win {

LRESULT TextEdit::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) return default_message(message, wparam, lparam);
    return FlatEdit::on_message(message, wparam, lparam);
}

}  // namespace app::win
