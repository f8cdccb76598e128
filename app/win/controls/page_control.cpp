#include "app/win/controls/page_control.h"

#include <commctrl.h>

#include <string>

namespace app::win {

void PageControl::create_page_control(HWND parent, const RECT& bounds, int id, int page_id,
                                      const wchar_t* page_caption, HFONT font, int tab_height)
{
    create(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"",
           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH | TCS_FOCUSNEVER, bounds, parent,
           id);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    std::wstring caption = page_caption;
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = caption.data();
    SendMessageW(handle(), TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tab));
    // Wide enough for the caption with some air on both sides.
    SendMessageW(handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(tab_height * 4, tab_height));

    RECT page_area;
    GetClientRect(handle(), &page_area);
    SendMessageW(handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page_area));
    page_.create_panel(handle(), page_area, page_caption, page_id);
    SendMessageW(page_.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace app::win
