#include "settings/dialog_settings.h"

#include <variant>

namespace settings {
namespace {

template <class... Ts>
struct overloaded : Ts... {
    using Ts::operator()...;
};

}  // namespace

void load_settings(IniStore& store, SettingsControls& controls)
{
    for (const dialog::Value& value : dialog::kValues) {
        const std::string_view section = value.section, key = value.key;
        std::visit(overloaded{
                       [&](dialog::Edit edit) {
                           controls.set_edit_text(edit, store.read_string(section, key, value.built_in));
                       },
                       [&](dialog::SizeCombo combo) {
                           controls.set_size_text(combo, store.read_string(section, key, value.built_in));
                       },
                       [&](dialog::FontCombo combo) {
                           controls.set_font_name(combo, store.read_string(section, key, value.built_in));
                       },
                       [&](dialog::CheckBox box) {
                           controls.set_checked(box, store.read_bool(section, key, dialog::built_in_checked(box)));
                       },
                   },
                   value.control);
    }
}

void save_settings(IniStore& store, SettingsControls& controls)
{
    // The flags come first, so a file written from scratch begins with [wb];
    // the rest follow in the table's order.
    for (const bool flags : {true, false}) {
        for (const dialog::Value& value : dialog::kValues) {
            if (std::holds_alternative<dialog::CheckBox>(value.control) != flags) continue;
            const std::string_view section = value.section, key = value.key;
            std::visit(overloaded{
                           [&](dialog::Edit edit) { store.write_string(section, key, controls.edit_text(edit)); },
                           [&](dialog::SizeCombo combo) {
                               store.write_string(section, key, controls.size_text(combo));
                           },
                           [&](dialog::FontCombo combo) {
                               store.write_string(section, key, controls.font_name(combo));
                           },
                           [&](dialog::CheckBox box) { store.write_bool(section, key, controls.checked(box)); },
                       },
                       value.control);
        }
    }
    store.update_file();
}

}  // namespace settings
