// A group box: a flat black frame with a bold caption over the white page.
// It is the parent of its controls, whose positions count from its corner.
#pragma once

#include "app/win/controls/panel.h"

namespace app::win {

class FlatGroupBox : public Panel {
protected:
    void paint(HDC dc, const RECT& client) override;
};

}  // namespace app::win
