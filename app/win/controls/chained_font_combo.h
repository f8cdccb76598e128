// A font combo that reports the user's choice of another font: the page
// names the font standing in for a missing one beside it.
#pragma once

#include <functional>
#include <utility>

#include "app/win/controls/font_combo.h"

namespace app::win {

class ChainedFontCombo : public FontComboBox {
public:
    void on_change(std::function<void()> handler) { on_change_ = std::move(handler); }

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    std::function<void()> on_change_;
};

}  // namespace app::win
