// The main dialog's values: one entry per control that holds a value, with
// where the settings file keeps it and what it holds when the dialog is
// built. The dialog's creation, the settings file and the test doubles all
// read this table; a new value is one entry here plus its control.
#pragma once

#include <array>
#include <string_view>
#include <variant>

namespace dialog {

enum class Edit { ymszLeft, ymszRight, ymszTop, ymszBottom, zwLine, zwDuanQianDuanHou, btDuanQianDuanHou };
enum class SizeCombo { zwFontSize, btFontSize };
enum class FontCombo { zwFontName, btFontName };
enum class CheckBox { wbkh, tshr, zhyh, DuanQian };

// The kind of a value's control is the enum it is named by.
using Control = std::variant<Edit, SizeCombo, FontCombo, CheckBox>;

// The tab sheet a control sits on.
enum class Page { TabSheet1 };

struct Value {
    std::string_view name;  // the control's name
    Control control;
    std::string_view section, key;
    // The control's text when the dialog is built; a check box: "1" checked.
    std::string_view built_in;
    Page page;
};

// In the order the settings file is read.
inline constexpr std::array<Value, 15> kValues{{
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
}};

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
