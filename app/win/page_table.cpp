#include "app/win/page_table.h"

#include <stdexcept>
#include <string>
#include <type_traits>

namespace app::win {

namespace {

constexpr int kFontEntryHeight = 16;

const dialog::Value& value_named(std::string_view name)
{
    const dialog::Value* value = dialog::value_named(name);
    if (!value) throw std::logic_error("no value named " + std::string(name));
    return *value;
}

}  // namespace

HWND ControlNames::find(std::string_view name) const
{
    for (const Named& named : named_) {
        if (named.name == name) return named.window;
    }
    return nullptr;
}

void create_control(const PlacedControl& control, const PageBuild& build)
{
    const Scaling& s = build.scaling;
    const RECT bounds = s.rect(control.box.left, control.box.top, control.box.width, control.box.height);
    const HWND parent = control.parent.empty() ? build.page : build.names.find(control.parent);
    if (!parent) throw std::logic_error("no group box named " + std::string(control.parent));
    const HFONT bold = build.fonts.bold.get();
    const HFONT regular = build.fonts.regular.get();
    const int entry_height = s(kFontEntryHeight);
    const HWND window = std::visit(
        [&](auto* created) {
            using Control = std::remove_pointer_t<decltype(created)>;
            if constexpr (std::is_same_v<Control, FlatButton>) {
                created->create_push_button(parent, bounds, control.id, control.caption, build.fonts.window.get());
            } else if constexpr (std::is_same_v<Control, FlatGroupBox>) {
                created->create_panel(parent, bounds, control.caption, control.id);
                SendMessageW(created->handle(), WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
            } else if constexpr (std::is_same_v<Control, Label>) {
                const HFONT font = control.font == LabelFont::credits ? build.fonts.credits.get() : regular;
                created->create_label(parent, bounds, control.caption, font);
            } else if constexpr (std::is_same_v<Control, FlatEdit>) {
                created->create_edit(parent, bounds, control.id, std::string(value_named(control.name).built_in),
                                     bold);
            } else if constexpr (std::is_same_v<Control, SizeComboBox>) {
                const std::string_view built_in = value_named(control.name).built_in;
                const int entry = app::size_index(built_in);
                created->create_size_combo(parent, bounds, control.id, bold, entry_height, entry);
                // A size no entry names, as the mark's, is the field's text.
                if (entry < 0) created->set_text(std::string(built_in));
            } else if constexpr (std::is_same_v<Control, FontComboBox>) {
                created->create_font_combo(parent, bounds, control.id, bold, entry_height);
            } else if constexpr (std::is_same_v<Control, FlatCheckBox>) {
                const auto which = std::get<dialog::CheckBox>(value_named(control.name).control);
                created->create_check_box(parent, bounds, control.id, control.caption, regular,
                                          dialog::built_in_checked(which));
            } else {
                static_assert(std::is_same_v<Control, TransparencySlider>);
                created->create_slider(parent, bounds, control.id);
            }
            return created->handle();
        },
        control.control);
    build.names.add(control.name, window);
}

void show_first_font(FontComboBox& combo, std::string_view name, const dialog::FontInstalled& installed)
{
    const auto which = std::get<dialog::FontCombo>(value_named(name).control);
    const dialog::FontChain* chain = dialog::chain_of(which);
    // A chain none of whose fonts is installed shows its first by name.
    if (chain) combo.show_font_name(dialog::first_installed(*chain, installed));
    else combo.set_font_name(std::string(dialog::built_in(which)));
}

}  // namespace app::win
