// The page control: a tab row over the dialog's pages ("普通报告",
// "党政公文"), one page shown at a time. A click on a tab, Ctrl+Tab and
// Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp change the page.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/win/controls/panel.h"
#include "app/win/controls/window.h"

namespace app::win {

class PageControl : public SubclassedControl {
public:
    void create_page_control(HWND parent, const RECT& bounds, int id, HFONT font, int tab_height);
    // A tab and its page, in the page control's font; the first page added
    // is the one shown.
    Panel& add_page(const wchar_t* caption, int page_id);

    Panel& page(int index) { return *pages_.at(static_cast<std::size_t>(index)); }
    int page_count() const { return static_cast<int>(pages_.size()); }
    int active_page() const { return active_; }
    // Selects the tab, shows its page and hides the others; then calls the
    // page-change handler. An index out of range is ignored.
    void show_page(int index);
    void on_page_change(std::function<void(int)> handler) { on_page_change_ = std::move(handler); }

    // The keys that change the page, for the message loop to try before the
    // dialog's own keys. True when the message was one of them.
    bool page_key(const MSG& message);

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    HFONT font_ = nullptr;
    int tab_height_ = 0;
    int active_ = 0;
    std::vector<std::unique_ptr<Panel>> pages_;
    std::function<void(int)> on_page_change_;
};

}  // namespace app::win
