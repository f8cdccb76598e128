// The main dialog's values that survive a restart (dialog/values.h).
#pragma once

#include <string>

#include "settings/ini_store.h"
#include "dialog/values.h"

namespace settings {

// The dialog's controls as the settings see them.
class SettingsControls {
public:
    virtual ~SettingsControls() = default;

    virtual std::string edit_text(dialog::Edit edit) = 0;
    virtual void set_edit_text(dialog::Edit edit, const std::string& text) = 0;
    // The text in the combo's edit field, whether or not it names an entry.
    virtual std::string size_text(dialog::SizeCombo combo) = 0;
    virtual void set_size_text(dialog::SizeCombo combo, const std::string& text) = 0;
    // "" when nothing is selected; setting a name that is not in the list
    // leaves the combo without a selection.
    virtual std::string font_name(dialog::FontCombo combo) = 0;
    virtual void set_font_name(dialog::FontCombo combo, const std::string& name) = 0;
    virtual bool checked(dialog::CheckBox box) = 0;
    virtual void set_checked(dialog::CheckBox box, bool value) = 0;
    virtual dialog::Page active_page() = 0;
    virtual void set_active_page(dialog::Page page) = 0;
};

// For FormCreate: each value goes into its control as soon as it is read, so
// when the file cannot be opened the rest keep their built-in values.
void load_settings(IniStore& store, SettingsControls& controls);

// For FormClose: all the values, page by page (each page's check boxes
// first), and the active page, then the file in one write. Raises the
// store's errors; the caller keeps the window open then.
void save_settings(IniStore& store, SettingsControls& controls);

}  // namespace settings
