// The window and every control as the user sees them at 96 dpi: kind,
// parent, place and size, caption, font, and where Tab goes next.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win/text.h"
#include "platform/win/window_text.h"
#include "tests/windows/dialog/dialog_fixture.h"

namespace dialog_tests {
namespace {

using app::win::to_utf8;
using app::win::window_text;

struct ExpectedControl {
    const char* name;
    const char* parent;
    RECT bounds;  // left, top, right, bottom at 96 dpi
    const char* caption;
};

RECT at(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

const std::vector<ExpectedControl>& expected_controls()
{
    static const std::vector<ExpectedControl> controls{
        {"RzPageControl1", "", at(0, 0, 581, 375), ""},
        {"RzStatusBar1", "", at(0, 375, 581, 19), ""},
        {"RzProgressStatus1", "RzStatusBar1", at(0, 0, 581, 19), ""},
        {"RzButton2", "TabSheet1", at(16, 24, 249, 81), "自动排版"},
        {"RzGroupBox1", "TabSheet1", at(296, 24, 265, 81), "页面设置"},
        {"RzLabel1", "RzGroupBox1", at(40, 31, 36, 12), "左边距"},
        {"RzLabel2", "RzGroupBox1", at(40, 56, 36, 12), "上边距"},
        {"RzLabel3", "RzGroupBox1", at(136, 32, 36, 12), "右边距"},
        {"RzLabel4", "RzGroupBox1", at(136, 56, 36, 12), "下边距"},
        {"ymszLeft", "RzGroupBox1", at(80, 24, 49, 20), "2.5"},
        {"ymszRight", "RzGroupBox1", at(176, 24, 49, 20), "2.5"},
        {"ymszTop", "RzGroupBox1", at(80, 48, 49, 20), "2.5"},
        {"ymszBottom", "RzGroupBox1", at(176, 48, 49, 20), "2.5"},
        {"RzGroupBox2", "TabSheet1", at(296, 120, 265, 97), "正文"},
        {"RzLabel5", "RzGroupBox2", at(16, 27, 48, 12), "固定行距"},
        {"RzLabel6", "RzGroupBox2", at(146, 27, 48, 12), "段前段后"},
        {"RzLabel7", "RzGroupBox2", at(16, 59, 48, 12), "字体字号"},
        {"zwLine", "RzGroupBox2", at(66, 19, 49, 20), "25"},
        {"zwDuanQianDuanHou", "RzGroupBox2", at(198, 19, 49, 20), "0"},
        {"zwFontName", "RzGroupBox2", at(72, 51, 81, 22), "宋体"},
        {"zwFontSize", "RzGroupBox2", at(152, 53, 97, 20), "四号(14)"},
        {"RzGroupBox3", "TabSheet1", at(16, 120, 249, 97), "标题行"},
        {"RzLabel8", "RzGroupBox3", at(16, 27, 48, 12), "段前段后"},
        {"RzLabel10", "RzGroupBox3", at(16, 59, 48, 12), "字体字号"},
        {"btDuanQianDuanHou", "RzGroupBox3", at(72, 19, 49, 20), "0.5"},
        {"btFontSize", "RzGroupBox3", at(160, 53, 81, 20), "小二(18)"},
        {"btFontName", "RzGroupBox3", at(72, 51, 89, 22), "宋体"},
        {"RzGroupBox4", "TabSheet1", at(16, 224, 545, 41), "文章尾部"},
        {"wbkh", "RzGroupBox4", at(16, 16, 91, 15), "去除尾部空行"},
        {"tshr", "RzGroupBox4", at(112, 16, 163, 15), "添加审核人、起草人、日期"},
        {"zhyh", "RzGroupBox4", at(280, 16, 127, 15), "设置最后两行右对齐"},
        {"DuanQian", "RzGroupBox4", at(408, 16, 115, 15), "段前缩进两个空格"},
        {"RzLabel11", "TabSheet1", at(16, 272, 412, 39), nullptr},
        {"RzTrackBar1", "TabSheet1", at(232, 312, 336, 33), ""},
    };
    return controls;
}

LOGFONTW font_of(HWND window)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font;
}

class Layout : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        form = make_form();
        if (form->scaling().dpi() != 96) GTEST_SKIP() << "the screen is not at 96 dpi";
    }
    HWND control(const char* name) { return form->control(name); }
    std::unique_ptr<app::win::TForm1> form;
};

TEST_F(Layout, TheWindowHasItsCaptionAndAClientAreaOf581By394)
{
    EXPECT_EQ(to_utf8(window_text(form->handle())), "Tidyset V090630");
    RECT client;
    GetClientRect(form->handle(), &client);
    EXPECT_EQ(client.right, 581);
    EXPECT_EQ(client.bottom, 394);
}

TEST_F(Layout, TheWindowHasAFixedDialogFrameWithOnlyTheCloseBox)
{
    const auto style = GetWindowLongW(form->handle(), GWL_STYLE);
    const auto extended = GetWindowLongW(form->handle(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(extended & WS_EX_DLGMODALFRAME);
}

TEST_F(Layout, TheWindowIsTopmostLayeredAndOpaqueFromTheStart)
{
    const auto extended = GetWindowLongW(form->handle(), GWL_EXSTYLE);
    EXPECT_TRUE(extended & WS_EX_TOPMOST);
    ASSERT_TRUE(extended & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(form->handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 255);
    EXPECT_TRUE(flags & LWA_ALPHA);
}

TEST_F(Layout, TheWindowIsCentredOnTheScreenAndOwnedByTheApplicationWindow)
{
    RECT frame;
    GetWindowRect(form->handle(), &frame);
    const int screen_width = GetSystemMetrics(SM_CXSCREEN);
    const int screen_height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_LE(std::abs(frame.left - (screen_width - frame.right)), 1);
    EXPECT_LE(std::abs(frame.top - (screen_height - frame.bottom)), 1);
    EXPECT_EQ(GetWindow(form->handle(), GW_OWNER), application().owner_window());
}

TEST_F(Layout, EveryControlHasItsParentPlaceSizeAndCaption)
{
    for (const auto& expected : expected_controls()) {
        SCOPED_TRACE(expected.name);
        const HWND window = control(expected.name);
        ASSERT_NE(window, nullptr);
        const HWND parent = *expected.parent ? control(expected.parent) : form->handle();
        EXPECT_EQ(GetParent(window), parent);
        const RECT bounds = bounds_in_parent(window);
        EXPECT_EQ(bounds.left, expected.bounds.left);
        EXPECT_EQ(bounds.top, expected.bounds.top);
        EXPECT_EQ(bounds.right - bounds.left, expected.bounds.right - expected.bounds.left);
        EXPECT_EQ(bounds.bottom - bounds.top, expected.bounds.bottom - expected.bounds.top);
        if (expected.caption) {
            EXPECT_EQ(to_utf8(window_text(window)), expected.caption);
        }
    }
}

TEST_F(Layout, ThePageFillsThePageControlBelowItsTabRow)
{
    const HWND page = control("TabSheet1");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(GetParent(page), control("RzPageControl1"));
    const RECT bounds = bounds_in_parent(page);
    EXPECT_GE(bounds.top, 22);
    EXPECT_LE(bounds.bottom, 375);
    EXPECT_GE(bounds.right - bounds.left, 560);
    EXPECT_EQ(TabCtrl_GetItemCount(control("RzPageControl1")), 2);
    for (const auto& [index, expected] : {std::pair{0, "普通报告"}, std::pair{1, "党政公文"}}) {
        wchar_t caption[32] = {};
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = caption;
        tab.cchTextMax = 32;
        ASSERT_TRUE(SendMessageW(control("RzPageControl1"), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&tab)));
        EXPECT_EQ(to_utf8(caption), expected);
        RECT tab_rect;
        TabCtrl_GetItemRect(control("RzPageControl1"), index, &tab_rect);
        EXPECT_EQ(tab_rect.bottom - tab_rect.top, 22);
    }
    // Both pages fill the same place; the first is shown.
    const RECT second = bounds_in_parent(control("TabSheet2"));
    EXPECT_TRUE(EqualRect(&bounds, &second));
    EXPECT_TRUE(GetWindowLongW(page, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongW(control("TabSheet2"), GWL_STYLE) & WS_VISIBLE);
}

// At any resolution: every caption on the second page is whole within its
// control, and every control within its parent; a tab shows its page.
class SecondPage : public DialogTest {};

BOOL CALLBACK collect_window(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

TEST_F(SecondPage, ShowsItsControlsWholeWhenItsTabIsSelected)
{
    auto form = make_form();
    HWND page = form->control("TabSheet2");
    ASSERT_NE(page, nullptr);
    const HWND tabs = form->control("RzPageControl1");
    TabCtrl_SetCurSel(tabs, 1);
    NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(form->handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_TRUE(GetWindowLongW(page, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongW(form->control("TabSheet1"), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(form->active_page(), dialog::Page::TabSheet2);

    std::vector<HWND> windows;
    EnumChildWindows(page, collect_window, reinterpret_cast<LPARAM>(&windows));
    int seen = 0;
    for (const HWND window : windows) {
        wchar_t window_class[32] = {};
        GetClassNameW(window, window_class, 32);
        const std::wstring kind = window_class;
        const std::wstring text = window_text(window);
        // The combos' own edits and lists are the system's.
        if (kind != L"Static" && kind != L"Button" && kind != L"TidysetPanel" && kind != L"Edit" &&
            kind != L"ComboBox")
            continue;
        wchar_t parent_class[32] = {};
        GetClassNameW(GetParent(window), parent_class, 32);
        if (std::wstring(parent_class) == L"ComboBox") continue;
        SCOPED_TRACE(to_utf8(kind) + " " + to_utf8(text));
        ++seen;
        RECT inside;
        GetClientRect(GetParent(window), &inside);
        const RECT bounds = bounds_in_parent(window);
        RECT both;
        IntersectRect(&both, &bounds, &inside);
        EXPECT_TRUE(EqualRect(&both, &bounds)) << "outside its parent";

        if (kind != L"Static" && kind != L"Button" && kind != L"TidysetPanel") continue;
        const HDC dc = GetDC(window);
        const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(window, dc);
        // A check box draws its box, two pixels less than its height, and a
        // third of that before the text.
        const int box_size = static_cast<int>(bounds.bottom - bounds.top) - 2;
        const int box = kind == L"Button" && text != L"自动排版" ? box_size + box_size / 3 + 1 : 0;
        EXPECT_LE(box + extent.cx, bounds.right - bounds.left) << to_utf8(text);
    }
    EXPECT_GE(seen, 40);
    // The Wine prefix has the standard's fonts: no substitute is named.
    EXPECT_EQ(form->font_name(typeset::FontCombo::gwBtFontName), "方正小标宋简体");
    EXPECT_EQ(form->font_name(typeset::FontCombo::gwXwFontName), "Times New Roman");
    EXPECT_EQ(to_utf8(window_text(form->control("gwBtFontNote"))), "");
    // One run at a time: a run disables both pages' buttons.
    form->set_button_enabled(false);
    EXPECT_FALSE(IsWindowEnabled(form->control("RzButton2")));
    EXPECT_FALSE(IsWindowEnabled(form->control("RzButton3")));
    form->set_button_enabled(true);
    EXPECT_TRUE(IsWindowEnabled(form->control("RzButton3")));
}

TEST_F(Layout, TheCreditsLabelHasThreeLinesInBold13Pixels)
{
    const std::string text = to_utf8(window_text(control("RzLabel11")));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    const LOGFONTW font = font_of(control("RzLabel11"));
    EXPECT_EQ(font.lfHeight, -13);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
}

TEST_F(Layout, EditsAreRightAlignedInBold12PixelSongTi)
{
    for (const char* name :
         {"ymszLeft", "ymszRight", "ymszTop", "ymszBottom", "zwLine", "zwDuanQianDuanHou", "btDuanQianDuanHou"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(GetWindowLongW(control(name), GWL_STYLE) & ES_RIGHT);
        const LOGFONTW font = font_of(control(name));
        EXPECT_EQ(font.lfHeight, -12);
        EXPECT_EQ(font.lfWeight, FW_BOLD);
        EXPECT_EQ(to_utf8(font.lfFaceName), "宋体");
    }
}

TEST_F(Layout, LabelsAndCheckBoxesUseRegular12PixelsAndTheButton16Pixels)
{
    for (const char* name : {"RzLabel1", "RzLabel5", "RzLabel10", "wbkh", "DuanQian"}) {
        SCOPED_TRACE(name);
        const LOGFONTW font = font_of(control(name));
        EXPECT_EQ(font.lfHeight, -12);
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
    }
    const LOGFONTW button = font_of(control("RzButton2"));
    EXPECT_EQ(button.lfHeight, -16);
    EXPECT_EQ(button.lfWeight, FW_NORMAL);
}

TEST_F(Layout, TabVisitsTheControlsInTheDialogsOrder)
{
    // "正文" before "标题行", and in "标题行" the size before the font.
    const std::vector<const char*> order{
        "RzButton2", "ymszLeft",          "ymszRight",  "ymszTop",    "ymszBottom", "zwLine",
        "zwDuanQianDuanHou", "zwFontName", "zwFontSize", "btDuanQianDuanHou", "btFontSize", "btFontName",
        "wbkh",      "tshr",              "zhyh",       "DuanQian",   "RzTrackBar1"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const char* next = order[(i + 1) % order.size()];
        SCOPED_TRACE(std::string{order[i]} + " -> " + next);
        EXPECT_EQ(GetNextDlgTabItem(form->handle(), control(order[i]), FALSE), control(next));
    }
}

TEST_F(Layout, TheSizeCombosOfferTheSixteenSizesAndStartOnFourAndSmallTwo)
{
    for (auto* combo : {&form->zwFontSize, &form->btFontSize}) {
        ASSERT_EQ(combo->entry_count(), 16);
        EXPECT_EQ(to_utf8(combo->entry_text(0)), "初号(42)");
        EXPECT_EQ(to_utf8(combo->entry_text(10)), "五号(10.5)");
        EXPECT_EQ(to_utf8(combo->entry_text(15)), "八号(5)");
    }
    EXPECT_EQ(form->zwFontSize.selected_index(), 8);
    EXPECT_EQ(form->btFontSize.selected_index(), 5);
    EXPECT_EQ(form->size_value(typeset::SizeCombo::zwFontSize), "14");
    EXPECT_EQ(form->size_value(typeset::SizeCombo::btFontSize), "18");
}

TEST_F(Layout, TheFourCheckBoxesStartChecked)
{
    for (auto box : {typeset::CheckBox::wbkh, typeset::CheckBox::tshr, typeset::CheckBox::zhyh,
                     typeset::CheckBox::DuanQian}) {
        EXPECT_TRUE(form->checked(box));
    }
}

// Accessibility tools and other programs see check boxes with the state
// that is drawn: the button style, BM_GETCHECK, and a click that toggles.
TEST_F(Layout, TheCheckBoxesAreCheckBoxesToWindows)
{
    show(*form);
    for (const char* name : {"wbkh", "tshr", "zhyh", "DuanQian"}) {
        const HWND box = control(name);
        EXPECT_EQ(GetWindowLongW(box, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX) << name;
        EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED) << name;
        SendMessageW(box, BM_CLICK, 0, 0);
        EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED) << name;
    }
    EXPECT_FALSE(form->checked(typeset::CheckBox::zhyh));
    form->set_checked(typeset::CheckBox::zhyh, true);
    EXPECT_EQ(SendMessageW(control("zhyh"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Layout, TheSliderRunsFrom100To255AndStartsAt255)
{
    const HWND slider = control("RzTrackBar1");
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0), 100);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 255);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 255);
    EXPECT_FALSE(GetWindowLongW(slider, GWL_STYLE) & TBS_TOOLTIPS);
}

TEST_F(Layout, TheProgressBarStartsAtZeroAndTheButtonEnabled)
{
    EXPECT_EQ(form->RzProgressStatus1.percent(), 0);
    EXPECT_TRUE(IsWindowEnabled(control("RzButton2")));
}

TEST_F(Layout, FontCombosListTheScreensFamiliesWith14EntriesOfSixteenPixels)
{
    EXPECT_GT(form->zwFontName.entry_count(), 1);
    EXPECT_EQ(SendMessageW(control("zwFontName"), CB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_EQ(SendMessageW(control("zwFontName"), CB_GETMINVISIBLE, 0, 0), 14);
    EXPECT_EQ(SendMessageW(control("zwFontSize"), CB_GETMINVISIBLE, 0, 0), 8);
}

TEST_F(Layout, AnOpenListShowsExactlyEightOrFourteenWholeEntries)
{
    show(*form);
    for (const auto& [name, entries] : {std::pair{"zwFontSize", 8}, std::pair{"btFontSize", 8},
                                        std::pair{"zwFontName", 14}, std::pair{"btFontName", 14}}) {
        const HWND combo = control(name);
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof(parts);
        ASSERT_TRUE(GetComboBoxInfo(combo, &parts));
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        pump_messages();
        RECT inside{};
        GetClientRect(parts.hwndList, &inside);
        const auto entry = SendMessageW(parts.hwndList, LB_GETITEMHEIGHT, 0, 0);
        EXPECT_EQ(inside.bottom - inside.top, entries * entry) << name << ", entries of " << entry << " px";
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        pump_messages();
    }
}

}  // namespace
}  // namespace dialog_tests
