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

struct BoxSearch {
    DWORD process;
    std::vector<HWND> boxes;
};

BOOL CALLBACK match_box(HWND window, LPARAM search)
{
    auto& boxes = *reinterpret_cast<BoxSearch*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (IsWindowVisible(window) && class_of(window) == L"#32770" && (boxes.process == 0 || process == boxes.process))
        boxes.boxes.push_back(window);
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

std::vector<SeenWindow> find_controls(HWND form)
{
    const auto all = descendants_of(form);
    const HWND margins = descendant_with_text(all, "页面设置");
    const HWND body = descendant_with_text(all, "正文");
    const HWND title = descendant_with_text(all, "标题行");
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
    controls.push_back(seen("RzButton2", descendant_with_text(all, "自动排版")));
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
    controls.push_back(seen("wbkh", descendant_with_text(all, "去除尾部空行")));
    controls.push_back(seen("tshr", descendant_with_text(all, "添加审核人、起草人、日期")));
    controls.push_back(seen("zhyh", descendant_with_text(all, "设置最后两行右对齐")));
    controls.push_back(seen("DuanQian", descendant_with_text(all, "段前缩进两个空格")));
    controls.push_back(seen("RzTrackBar1", slider));
    controls.push_back(seen("RzProgressStatus1", progress));
    return controls;
}

std::vector<SeenBox> find_boxes(DWORD process)
{
    BoxSearch search{process, {}};
    EnumWindows(match_box, reinterpret_cast<LPARAM>(&search));
    std::vector<SeenBox> boxes;
    for (HWND window : search.boxes) boxes.push_back(read_box(window));
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
