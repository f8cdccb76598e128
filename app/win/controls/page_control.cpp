#include "app/win/controls/page_control.h"

#include <commctrl.h>

#include <string>

#include "app/win/controls/message_reflection.h"

namespace app::win {

void PageControl::create_page_control(HWND parent, const RECT& bounds, int id, HFONT font, int tab_height)
{
    font_ = font;
    tab_height_ = tab_height;
    create(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"",
           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH | TCS_FOCUSNEVER, bounds, parent,
           id);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // Wide enough for a four-character caption with some air on both sides.
    SendMessageW(handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(tab_height * 4, tab_height));
}

Panel& PageControl::add_page(const wchar_t* caption, int page_id)
{
    std::wstring text = caption;
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = text.data();
    const int index = page_count();
    SendMessageW(handle(), TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));

    RECT page_area;
    GetClientRect(handle(), &page_area);
    SendMessageW(handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page_area));
    auto& page = *pages_.emplace_back(std::make_unique<Panel>());
    page.create_panel(handle(), page_area, caption, page_id);
    SendMessageW(page.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (index != active_) ShowWindow(page.handle(), SW_HIDE);
    return page;
}

void PageControl::show_page(int index)
{
    if (index < 0 || index >= page_count()) return;
    active_ = index;
    if (SendMessageW(handle(), TCM_GETCURSEL, 0, 0) != index) SendMessageW(handle(), TCM_SETCURSEL, index, 0);
    // The new page first, so that the window never shows an empty page.
    ShowWindow(page(index).handle(), SW_SHOW);
    for (int other = 0; other < page_count(); ++other) {
        if (other != index) ShowWindow(page(other).handle(), SW_HIDE);
    }
    if (on_page_change_) on_page_change_(index);
}

bool PageControl::page_key(const MSG& message)
{
    if (message.message != WM_KEYDOWN || page_count() < 2 || !(GetKeyState(VK_CONTROL) & 0x8000)) return false;
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    int step = 0;
    if (message.wParam == VK_TAB) step = shift ? -1 : 1;
    if (message.wParam == VK_NEXT) step = 1;
    if (message.wParam == VK_PRIOR) step = -1;
    if (step == 0) return false;
    show_page((active_ + step + page_count()) % page_count());
    return true;
}

LRESULT PageControl::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == reflected(WM_NOTIFY) && reinterpret_cast<const NMHDR*>(lparam)->code == TCN_SELCHANGE) {
        show_page(static_cast<int>(SendMessageW(handle(), TCM_GETCURSEL, 0, 0)));
        return 0;
    }
    return default_message(message, wparam, lparam);
}

}  // namespace app::win
