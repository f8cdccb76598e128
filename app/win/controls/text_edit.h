// An edit that takes text, not numbers: the user's input method stays as
// it is.
#pragma once

#include "app/win/controls/flat_edit.h"

namespace app::win {

class TextEdit : public FlatEdit {
protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace app::win
