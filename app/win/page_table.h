// A page of the dialog as data: one row per control, in tab order (siblings
// are created in it, so the z-order is the tab order), walked by one
// builder. A value's control takes its kind from the row's member and its
// built-in text from its entry in dialog::kValues, found by name; the
// lookups from the value enums to the controls read the same rows.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "app/size_table.h"
#include "app/win/controls/chained_font_combo.h"
#include "app/win/controls/check_box.h"
#include "app/win/controls/flat_edit.h"
#include "app/win/controls/font_combo.h"
#include "app/win/controls/group_box.h"
#include "app/win/controls/label.h"
#include "app/win/controls/push_button.h"
#include "app/win/controls/size_combo.h"
#include "app/win/controls/slider.h"
#include "app/win/controls/text_edit.h"
#include "app/win/fonts.h"
#include "app/win/scaling.h"
#include "dialog/font_chains.h"
#include "dialog/values.h"

namespace app::win {

// The dialog's controls by name, as the tests and the probe know them.
class ControlNames {
public:
    void add(std::string_view name, HWND window) { named_.push_back({name, window}); }
    // Null for a name not added.
    HWND find(std::string_view name) const;

private:
    struct Named {
        std::string_view name;
        HWND window;
    };
    std::vector<Named> named_;
};

// Left, top, width and height at 96 dpi, in the parent's client area.
struct Box {
    int left, top, width, height;
};

// What a static is given for an id.
inline constexpr int kNoId = -1;

enum class LabelFont { regular, credits };

// The member of a page of type Page that holds a row's control.
template <class Page>
using ControlMember =
    std::variant<FlatButton Page::*, FlatGroupBox Page::*, Label Page::*, FlatEdit Page::*, TextEdit Page::*,
                 SizeComboBox Page::*, FontComboBox Page::*, ChainedFontCombo Page::*, FlatCheckBox Page::*,
                 TransparencySlider Page::*>;

template <class Page>
struct ControlRow {
    ControlMember<Page> member;
    std::string_view name;    // a value's control: its name in dialog::kValues
    std::string_view parent;  // the name of a group box of an earlier row; "" for the page
    Box box;
    const wchar_t* caption;  // of a button, group box, label or check box
    int id;
    LabelFont font = LabelFont::regular;
};

// A control as the builder creates it, whatever page it is on.
using ControlPointer = std::variant<FlatButton*, FlatGroupBox*, Label*, FlatEdit*, SizeComboBox*, FontComboBox*,
                                    FlatCheckBox*, TransparencySlider*>;

struct PlacedControl {
    ControlPointer control;
    std::string_view name, parent;
    Box box;
    const wchar_t* caption;
    int id;
    LabelFont font;
};

struct PageBuild {
    HWND page;
    const Scaling& scaling;
    const DialogFonts& fonts;
    ControlNames& names;
    // For the font combos of a chain, which start with its first installed font.
    dialog::FontInstalled installed;
};

// Creates the control, its value's built-in in it, and adds it to the names.
void create_control(const PlacedControl& control, const PageBuild& build);
// Selects the font a value's font combo starts with.
void show_first_font(FontComboBox& combo, std::string_view name, const dialog::FontInstalled& installed);

template <class Member>
struct member_of;
template <class Control, class Page>
struct member_of<Control Page::*> {
    using type = Control;
};

template <class Page>
ControlPointer control_in(Page& page, const ControlMember<Page>& member)
{
    return std::visit([&page](auto held) -> ControlPointer { return &(page.*held); }, member);
}

// The control of the row named `name` if it is a Control; null otherwise.
template <class Control, class Page>
Control* find_control(Page& page, std::span<const ControlRow<Page>> rows, std::string_view name)
{
    for (const ControlRow<Page>& row : rows) {
        if (row.name != name) continue;
        return std::visit(
            [&page](auto held) -> Control* {
                using Held = typename member_of<decltype(held)>::type;
                if constexpr (std::is_base_of_v<Control, Held>) {
                    return &(page.*held);
                } else {
                    return nullptr;
                }
            },
            row.member);
    }
    return nullptr;
}

template <class Page>
void build_page(Page& page, std::span<const ControlRow<Page>> rows, const PageBuild& build)
{
    for (const ControlRow<Page>& row : rows) {
        create_control({control_in(page, row.member), row.name, row.parent, row.box, row.caption, row.id, row.font},
                       build);
    }
    // The font combos' fonts once the page is complete.
    for (const ControlRow<Page>& row : rows) {
        const ControlPointer control = control_in(page, row.member);
        if (FontComboBox* const* combo = std::get_if<FontComboBox*>(&control)) {
            show_first_font(**combo, row.name, build.installed);
        }
    }
}

// ---- The rows checked against dialog::kValues, at compile time ----------

// The alternative of dialog::Control whose values a control holds; -1 for
// a control without a value.
template <class Control>
constexpr int value_kind()
{
    if constexpr (std::is_base_of_v<FlatEdit, Control>) {
        return static_cast<int>(dialog::Control{dialog::Edit{}}.index());
    } else if constexpr (std::is_base_of_v<SizeComboBox, Control>) {
        return static_cast<int>(dialog::Control{dialog::SizeCombo{}}.index());
    } else if constexpr (std::is_base_of_v<FontComboBox, Control>) {
        return static_cast<int>(dialog::Control{dialog::FontCombo{}}.index());
    } else if constexpr (std::is_base_of_v<FlatCheckBox, Control>) {
        return static_cast<int>(dialog::Control{dialog::CheckBox{}}.index());
    } else {
        return -1;
    }
}

template <class Page>
constexpr int value_kind(const ControlMember<Page>& member)
{
    return std::visit([](auto held) { return value_kind<typename member_of<decltype(held)>::type>(); }, member);
}

// True when the rows hold every value of `page` once, in a control of its
// kind; name no value of another page or kind; keep their names and members
// apart; and place each control in the page or a group box of an earlier
// row.
// Digits with at most one point: "48", "10.5".
constexpr bool is_points(std::string_view text)
{
    int points = 0;
    bool digits = false;
    for (const char c : text) {
        if (c == '.') ++points;
        else if (c >= '0' && c <= '9') digits = true;
        else return false;
    }
    return digits && points <= 1;
}

template <class Page>
constexpr bool rows_fit_values(std::span<const ControlRow<Page>> rows, dialog::Page page)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow<Page>& row = rows[i];
        const int kind = value_kind(row.member);
        if (kind >= 0) {
            const dialog::Value* value = dialog::value_named(row.name);
            if (!value || value->page != page || static_cast<int>(value->control.index()) != kind) return false;
            // A size combo's built-in value is an entry, or points typed in.
            if (std::holds_alternative<dialog::SizeCombo>(value->control) && app::size_index(value->built_in) < 0 &&
                !is_points(value->built_in)) {
                return false;
            }
        }
        bool parent_found = row.parent.empty();
        for (std::size_t j = 0; j < i; ++j) {
            if (rows[j].name == row.name || rows[j].member == row.member) return false;
            if (rows[j].name == row.parent && std::holds_alternative<FlatGroupBox Page::*>(rows[j].member)) {
                parent_found = true;
            }
        }
        if (!parent_found) return false;
    }
    for (const dialog::Value& value : dialog::kValues) {
        if (value.page != page) continue;
        bool found = false;
        for (const ControlRow<Page>& row : rows) found = found || row.name == value.name;
        if (!found) return false;
    }
    return true;
}

}  // namespace app::win
