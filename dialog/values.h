// The main dialog's values: one entry per control that holds a value, with
// where the settings file keeps it and what it holds when the dialog is
// built. The dialog's creation, the settings file and the test doubles all
// read this table; a new value is its enum member and one entry here, plus
// its control's row in its page's table.
#pragma once

#include <array>
#include <string_view>
#include <variant>

namespace dialog {

// "gw" names belong to the official-document page (公文): its margins, the
// title (bt), the body (zw), the heading levels (yj, ej), the Western font
// (xw), the issuing organ (fwjg), the sign-off (lk), page numbers (ym),
// the trailing blanks (kh), the issuing organ's mark (bz) and the third
// heading level in bold (sjjc).
enum class Edit {
    ymszLeft, ymszRight, ymszTop, ymszBottom, zwLine, zwDuanQianDuanHou, btDuanQianDuanHou,
    gwTop, gwBottom, gwLeft, gwRight, gwZwLine, gwFwjg
};
enum class SizeCombo { zwFontSize, btFontSize, gwBtFontSize, gwZwFontSize, gwBzFontSize };
enum class FontCombo { zwFontName, btFontName, gwBtFontName, gwZwFontName, gwYjFontName, gwEjFontName, gwXwFontName };
enum class CheckBox { wbkh, tshr, zhyh, DuanQian, gwLk, gwYm, gwKh, gwSjjc };

// The kind of a value's control is the enum it is named by.
using Control = std::variant<Edit, SizeCombo, FontCombo, CheckBox>;

// The tab sheet a control sits on.
enum class Page { TabSheet1, TabSheet2 };
inline constexpr int kPageCount = 2;

struct Value {
    std::string_view name;  // the control's name
    Control control;
    std::string_view section, key;
    // The control's text when the dialog is built; a check box: "1" checked.
    std::string_view built_in;
    Page page;
};

// In the order the settings file is read.
inline constexpr auto kValues = std::to_array<Value>({
    {"ymszLeft", Edit::ymszLeft, "ymsz", "left", "2.5", Page::TabSheet1},
    {"ymszRight", Edit::ymszRight, "ymsz", "right", "2.5", Page::TabSheet1},
    {"ymszTop", Edit::ymszTop, "ymsz", "top", "2.5", Page::TabSheet1},
    {"ymszBottom", Edit::ymszBottom, "ymsz", "bottom", "2.5", Page::TabSheet1},
    {"btDuanQianDuanHou", Edit::btDuanQianDuanHou, "bt", "duanqianduanhou", "0.5", Page::TabSheet1},
    {"btFontSize", SizeCombo::btFontSize, "bt", "fontsize", "小二(18)", Page::TabSheet1},
    {"btFontName", FontCombo::btFontName, "bt", "fontname", "宋体", Page::TabSheet1},
    {"zwLine", Edit::zwLine, "zw", "line", "25", Page::TabSheet1},
    {"zwDuanQianDuanHou", Edit::zwDuanQianDuanHou, "zw", "duanqianduanhou", "0", Page::TabSheet1},
    {"zwFontName", FontCombo::zwFontName, "zw", "fontname", "宋体", Page::TabSheet1},
    {"zwFontSize", SizeCombo::zwFontSize, "zw", "fontsize", "四号(14)", Page::TabSheet1},
    {"DuanQian", CheckBox::DuanQian, "wb", "duanqian", "1", Page::TabSheet1},
    {"tshr", CheckBox::tshr, "wb", "tshr", "1", Page::TabSheet1},
    {"wbkh", CheckBox::wbkh, "wb", "wbkh", "1", Page::TabSheet1},
    {"zhyh", CheckBox::zhyh, "wb", "zhyh", "1", Page::TabSheet1},
    {"gwTop", Edit::gwTop, "gwymsz", "top", "3.7", Page::TabSheet2},
    {"gwBottom", Edit::gwBottom, "gwymsz", "bottom", "3.5", Page::TabSheet2},
    {"gwLeft", Edit::gwLeft, "gwymsz", "left", "2.8", Page::TabSheet2},
    {"gwRight", Edit::gwRight, "gwymsz", "right", "2.6", Page::TabSheet2},
    {"gwBtFontName", FontCombo::gwBtFontName, "gwbt", "fontname", "方正小标宋简体", Page::TabSheet2},
    {"gwBtFontSize", SizeCombo::gwBtFontSize, "gwbt", "fontsize", "二号(22)", Page::TabSheet2},
    // No Chinese size name is as large as the mark usually is.
    {"gwBzFontSize", SizeCombo::gwBzFontSize, "gwbt", "biaozhi", "48", Page::TabSheet2},
    {"gwZwFontName", FontCombo::gwZwFontName, "gwzw", "fontname", "仿宋_GB2312", Page::TabSheet2},
    {"gwZwFontSize", SizeCombo::gwZwFontSize, "gwzw", "fontsize", "三号(16)", Page::TabSheet2},
    {"gwZwLine", Edit::gwZwLine, "gwzw", "line", "28.95", Page::TabSheet2},
    {"gwXwFontName", FontCombo::gwXwFontName, "gwzw", "xwfontname", "Times New Roman", Page::TabSheet2},
    {"gwYjFontName", FontCombo::gwYjFontName, "gwjb", "yiji", "黑体", Page::TabSheet2},
    {"gwEjFontName", FontCombo::gwEjFontName, "gwjb", "erji", "楷体_GB2312", Page::TabSheet2},
    {"gwFwjg", Edit::gwFwjg, "gwwb", "fwjg", "此处写发文机关", Page::TabSheet2},
    {"gwLk", CheckBox::gwLk, "gwwb", "luokuan", "1", Page::TabSheet2},
    {"gwYm", CheckBox::gwYm, "gwwb", "yema", "1", Page::TabSheet2},
    {"gwKh", CheckBox::gwKh, "gwwb", "kongxing", "1", Page::TabSheet2},
    {"gwSjjc", CheckBox::gwSjjc, "gwjb", "sanjijiacu", "1", Page::TabSheet2},
});

// The page shown at start is the one that was active at close, kept by its
// index ("0" the first page).
struct PageSetting {
    std::string_view section, key;
    Page built_in;
};
inline constexpr PageSetting kActivePage{"page", "active", Page::TabSheet1};

// The entry named `name`; null when there is none.
constexpr const Value* value_named(std::string_view name)
{
    for (const Value& value : kValues) {
        if (value.name == name) return &value;
    }
    return nullptr;
}

// The entry of a control; every control of the enums has one.
constexpr const Value& value_of(Control control)
{
    for (const Value& value : kValues) {
        if (value.control == control) return value;
    }
    throw "a control without an entry in kValues";
}

constexpr std::string_view name_of(Control control) { return value_of(control).name; }
constexpr std::string_view built_in(Control control) { return value_of(control).built_in; }
constexpr bool built_in_checked(CheckBox box) { return value_of(box).built_in == "1"; }

}  // namespace dialog
