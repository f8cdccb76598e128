// The page control: a tab row with the single page "普通报告", which holds
// the dialog's controls.
#pragma once

#include "app/win/controls/panel.h"
#include "app/win/controls/window.h"

namespace app::win {

class PageControl : public SubclassedControl {
public:
    void create_page_control(HWND parent, const RECT& bounds, int id, int page_id, const wchar_t* page_caption,
                             HFONT font, int tab_height);

    Panel& page() { return page_; }

private:
    Panel page_;
};

}  // namespace app::win
