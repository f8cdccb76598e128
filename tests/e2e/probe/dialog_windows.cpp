#include "tests/e2e/probe/dialog_windows.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/win/text.h"

namespace e2e_probe {

namespace {

constexpr std::wstring_view kFormCaption = L"Tidyset V090630";

std::wstring class_of(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

RECT bounds_of(HWND window)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds;
}

SeenWindow seen(std::string name, HWND window)
{
    SeenWindow result;
    result.name = std::move(name);
    result.window = window;
    if (!window) return result;
    result.bounds = bounds_of(window);
    result.enabled = IsWindowEnabled(window) != FALSE;
    result.visible = IsWindowVisible(window) != FALSE;
    result.text = text_of(window);
    return result;
}

std::vector<HWND> children_of(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

BOOL CALLBACK collect_descendant(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> descendants_of(HWND parent)
{
    std::vector<HWND> all;
    EnumChildWindows(parent, collect_descendant, reinterpret_cast<LPARAM>(&all));
    return all;
}

HWND descendant_with_text(const std::vector<HWND>& windows, std::string_view text)
{
    for (HWND window : windows)
        if (text_of(window) == text) return window;
    return nullptr;
}

// The children of a group of one window class, left to right, top row first.
std::vector<HWND> children_in_reading_order(HWND group, std::wstring_view window_class)
{
    std::vector<HWND> found;
    if (!group) return found;
    for (HWND child : children_of(group))
        if (CompareStringOrdinal(class_of(child).c_str(), -1, window_class.data(),
                                 static_cast<int>(window_class.size()), TRUE) == CSTR_EQUAL)
            found.push_back(child);
    std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
        const RECT ra = bounds_of(a), rb = bounds_of(b);
        // Controls of one row differ in height by a few pixels only.
        if (std::abs(ra.top - rb.top) > 8) return ra.top < rb.top;
        return ra.left < rb.left;
    });
    return found;
}

HWND nth(const std::vector<HWND>& windows, std::size_t index)
{
    return index < windows.size() ? windows[index] : nullptr;
}

struct FormSearch {
    HWND found = nullptr;
};

BOOL CALLBACK match_form(HWND window, LPARAM search)
{
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (kFormCaption == caption && IsWindowVisible(window)) {
        reinterpret_cast<FormSearch*>(search)->found = window;
        return FALSE;
    }
    return TRUE;
}

struct TopLevelSearch {
    DWORD process;
    std::vector<HWND> windows;
};

BOOL CALLBACK match_top_level(HWND window, LPARAM search)
{
    auto& found = *reinterpret_cast<TopLevelSearch*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (IsWindowVisible(window) && (found.process == 0 || process == found.process)) found.windows.push_back(window);
    return TRUE;
}

std::vector<HWND> top_levels_of(DWORD process)
{
    TopLevelSearch search{process, {}};
    EnumWindows(match_top_level, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

SeenBox read_box(HWND window)
{
    SeenBox box;
    box.window = window;
    box.bounds = bounds_of(window);
    box.caption = text_of(window);
    for (HWND child : children_of(window)) {
        const std::wstring window_class = class_of(child);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        if (window_class == L"Static") {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                if (IsWindowVisible(child)) box.icon = bounds_of(child);
            } else if (box.text.empty()) {
                box.text = text_of(child);
            }
        } else if (window_class == L"Button" && IsWindowVisible(child)) {
            box.buttons.push_back({text_of(child), bounds_of(child)});
        }
    }
    return box;
}

}  // namespace

std::string text_of(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 2000, &copied))
        return {};
    text.resize(std::min<std::size_t>(copied, length));
    return platform::win::to_utf8(text);
}

SeenForm find_form()
{
    FormSearch search;
    EnumWindows(match_form, reinterpret_cast<LPARAM>(&search));
    SeenForm form;
    if (!search.found) return form;
    form.window = search.found;
    GetWindowThreadProcessId(form.window, &form.process);
    form.bounds = bounds_of(form.window);
    form.enabled = IsWindowEnabled(form.window) != FALSE;
    form.caption = text_of(form.window);
    BYTE alpha = 255;
    DWORD flags = 0;
    if ((GetWindowLongPtrW(form.window, GWL_EXSTYLE) & WS_EX_LAYERED) &&
        GetLayeredWindowAttributes(form.window, nullptr, &alpha, &flags) && (flags & LWA_ALPHA))
        form.alpha = alpha;
    return form;
}

// A tab of the page control: the tab row lies above the page, and the tabs
// have the same width, four times the row's height.
static SeenWindow seen_tab(std::string name, HWND tabs, HWND page, int index)
{
    SeenWindow tab = seen(std::move(name), tabs);
    if (!tabs || !page) return tab;
    const RECT row = bounds_of(tabs), below = bounds_of(page);
    const int height = std::max(1L, below.top - row.top - 2);
    tab.bounds = RECT{row.left + 2 + index * height * 4, row.top, row.left + 2 + (index + 1) * height * 4,
                      row.top + height};
    tab.visible = IsWindowVisible(page) != FALSE;  // the tab of the page shown
    return tab;
}

std::vector<SeenWindow> find_controls(HWND form)
{
    const auto all = descendants_of(form);
    // Each page is a panel captioned like its tab; the pages' groups share
    // some captions.
    const HWND report_page = descendant_with_text(all, "普通报告");
    const HWND official_page = descendant_with_text(all, "党政公文");
    const auto report = report_page ? descendants_of(report_page) : std::vector<HWND>{};
    const auto official = official_page ? descendants_of(official_page) : std::vector<HWND>{};

    const HWND margins = descendant_with_text(report, "页面设置");
    const HWND body = descendant_with_text(report, "正文");
    const HWND title = descendant_with_text(report, "标题行");
    const auto margin_edits = children_in_reading_order(margins, L"Edit");
    const auto body_edits = children_in_reading_order(body, L"Edit");
    const auto body_combos = children_in_reading_order(body, L"ComboBox");
    const auto title_edits = children_in_reading_order(title, L"Edit");
    const auto title_combos = children_in_reading_order(title, L"ComboBox");

    HWND slider = nullptr;
    for (HWND window : all)
        if (CompareStringOrdinal(class_of(window).c_str(), -1, TRACKBAR_CLASSW, -1, TRUE) == CSTR_EQUAL)
            slider = window;
    // The progress bar fills the strip along the bottom edge of the window.
    HWND progress = nullptr;
    RECT client{};
    GetClientRect(form, &client);
    POINT bottom{client.right / 2, client.bottom - 2};
    ClientToScreen(form, &bottom);
    for (HWND window : all) {
        const RECT r = bounds_of(window);
        if (GetWindow(window, GW_CHILD) == nullptr && PtInRect(&r, bottom)) progress = window;
    }

    std::vector<SeenWindow> controls;
    controls.push_back(seen("RzButton2", descendant_with_text(report, "自动排版")));
    controls.push_back(seen("ymszLeft", nth(margin_edits, 0)));
    controls.push_back(seen("ymszRight", nth(margin_edits, 1)));
    controls.push_back(seen("ymszTop", nth(margin_edits, 2)));
    controls.push_back(seen("ymszBottom", nth(margin_edits, 3)));
    controls.push_back(seen("zwLine", nth(body_edits, 0)));
    controls.push_back(seen("zwDuanQianDuanHou", nth(body_edits, 1)));
    controls.push_back(seen("zwFontName", nth(body_combos, 0)));
    controls.push_back(seen("zwFontSize", nth(body_combos, 1)));
    controls.push_back(seen("btDuanQianDuanHou", nth(title_edits, 0)));
    controls.push_back(seen("btFontName", nth(title_combos, 0)));
    controls.push_back(seen("btFontSize", nth(title_combos, 1)));
    controls.push_back(seen("wbkh", descendant_with_text(report, "去除尾部空行")));
    controls.push_back(seen("tshr", descendant_with_text(report, "添加审核人、起草人、日期")));
    controls.push_back(seen("zhyh", descendant_with_text(report, "设置最后两行右对齐")));
    controls.push_back(seen("DuanQian", descendant_with_text(report, "段前缩进两个空格")));
    controls.push_back(seen("RzTrackBar1", slider));
    controls.push_back(seen("RzProgressStatus1", progress));

    // The pages and their tabs.
    const HWND tabs = report_page ? GetParent(report_page) : nullptr;
    controls.push_back(seen("TabSheet1", report_page));
    controls.push_back(seen("TabSheet2", official_page));
    controls.push_back(seen_tab("Tab1", tabs, report_page, 0));
    controls.push_back(seen_tab("Tab2", tabs, official_page, 1));

    // The second page, "党政公文"; a note is the label under its font combo.
    const HWND official_margins = descendant_with_text(official, "页面设置");
    const HWND official_title = descendant_with_text(official, "标题");
    const HWND official_body = descendant_with_text(official, "正文");
    const HWND headings = descendant_with_text(official, "标题层级");
    const HWND ending = descendant_with_text(official, "文尾");
    const auto official_margin_edits = children_in_reading_order(official_margins, L"Edit");
    const auto official_title_combos = children_in_reading_order(official_title, L"ComboBox");
    const auto official_title_labels = children_in_reading_order(official_title, L"Static");
    const auto official_body_combos = children_in_reading_order(official_body, L"ComboBox");
    const auto official_body_labels = children_in_reading_order(official_body, L"Static");
    const auto heading_combos = children_in_reading_order(headings, L"ComboBox");
    const auto heading_labels = children_in_reading_order(headings, L"Static");
    controls.push_back(seen("RzButton3", descendant_with_text(official, "自动排版")));
    controls.push_back(seen("gwTop", nth(official_margin_edits, 0)));
    controls.push_back(seen("gwBottom", nth(official_margin_edits, 1)));
    controls.push_back(seen("gwLeft", nth(official_margin_edits, 2)));
    controls.push_back(seen("gwRight", nth(official_margin_edits, 3)));
    controls.push_back(seen("gwBtFontName", nth(official_title_combos, 0)));
    controls.push_back(seen("gwBtFontNote", nth(official_title_labels, 1)));
    controls.push_back(seen("gwBtFontSize", nth(official_title_combos, 1)));
    controls.push_back(seen("gwBzFontSize", nth(official_title_combos, 2)));
    controls.push_back(seen("gwZwFontName", nth(official_body_combos, 0)));
    controls.push_back(seen("gwZwFontNote", nth(official_body_labels, 1)));
    controls.push_back(seen("gwZwFontSize", nth(official_body_combos, 1)));
    controls.push_back(seen("gwZwLine", nth(children_in_reading_order(official_body, L"Edit"), 0)));
    controls.push_back(seen("gwXwFontName", nth(official_body_combos, 2)));
    controls.push_back(seen("gwYjFontName", nth(heading_combos, 0)));
    controls.push_back(seen("gwYjFontNote", nth(heading_labels, 1)));
    controls.push_back(seen("gwEjFontName", nth(heading_combos, 1)));
    controls.push_back(seen("gwEjFontNote", nth(heading_labels, 3)));
    controls.push_back(seen("gwLk", nth(children_in_reading_order(ending, L"Button"), 0)));
    controls.push_back(seen("gwFwjg", nth(children_in_reading_order(ending, L"Edit"), 0)));
    controls.push_back(seen("gwYm", descendant_with_text(official, "添加页码")));
    controls.push_back(seen("gwKh", descendant_with_text(official, "去除尾部空行")));
    controls.push_back(seen("gwSjjc", descendant_with_text(official, "三级标题加粗")));
    return controls;
}

std::vector<SeenBox> find_boxes(DWORD process)
{
    std::vector<SeenBox> boxes;
    for (HWND window : top_levels_of(process))
        if (class_of(window) == L"#32770") boxes.push_back(read_box(window));
    return boxes;
}

std::vector<SeenTopLevel> find_top_levels(DWORD process)
{
    std::vector<SeenTopLevel> seen_windows;
    for (HWND window : top_levels_of(process)) {
        const bool topmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        seen_windows.push_back({window, text_of(window), topmost});
    }
    return seen_windows;
}

HWND find_open_list(DWORD process)
{
    for (HWND window : top_levels_of(process))
        if (class_of(window) == L"ComboLBox") return window;
    return nullptr;
}

}  // namespace e2e_probe
