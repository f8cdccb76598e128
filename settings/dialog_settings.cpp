#include "settings/dialog_settings.h"

#include <string>
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
    // Anything but a page's index shows the first page.
    const dialog::PageSetting& page = dialog::kActivePage;
    const std::string index = store.read_string(page.section, page.key, "");
    dialog::Page active = page.built_in;
    for (int i = 0; i < dialog::kPageCount; ++i) {
        if (index == std::to_string(i)) active = static_cast<dialog::Page>(i);
    }
    controls.set_active_page(active);
}

void save_settings(IniStore& store, SettingsControls& controls)
{
    const auto save = [&](const dialog::Value& value) {
        const std::string_view section = value.section, key = value.key;
        std::visit(overloaded{
                       [&](dialog::Edit edit) { store.write_string(section, key, controls.edit_text(edit)); },
                       [&](dialog::SizeCombo combo) { store.write_string(section, key, controls.size_text(combo)); },
                       [&](dialog::FontCombo combo) { store.write_string(section, key, controls.font_name(combo)); },
                       [&](dialog::CheckBox box) { store.write_bool(section, key, controls.checked(box)); },
                   },
                   value.control);
    };
    // Page by page, and on each page the flags first, so that a file written
    // from scratch begins with [wb] and the first page's sections are
    // written as before there was a second page; the rest follow in the
    // table's order.
    for (int index = 0; index < dialog::kPageCount; ++index) {
        const auto page = static_cast<dialog::Page>(index);
        for (const bool flags : {true, false}) {
            for (const dialog::Value& value : dialog::kValues) {
                if (value.page == page && std::holds_alternative<dialog::CheckBox>(value.control) == flags) save(value);
            }
        }
    }
    const dialog::PageSetting& active = dialog::kActivePage;
    store.write_string(active.section, active.key, std::to_string(static_cast<int>(controls.active_page())));
    store.update_file();
}

}  // namespace settings
