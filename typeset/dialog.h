// What the typesetting run needs of the main dialog. Every value is read from
// its control at the moment the run uses it; nothing is collected up front.
#pragma once

#include <cstdint>
#include <string>

#include "dialog/values.h"

namespace typeset {

using dialog::CheckBox;
using dialog::Edit;
using dialog::FontCombo;
using dialog::SizeCombo;
enum class Icon { error, information };

class Dialog {
public:
    virtual ~Dialog() = default;

    virtual std::string edit_text(Edit edit) = 0;
    // The size value: the point size behind a size name, or the text itself.
    virtual std::string size_value(SizeCombo combo) = 0;
    // The selected font's name, or "" when nothing is selected.
    virtual std::string font_name(FontCombo combo) = 0;
    virtual bool checked(CheckBox box) = 0;
    // Whether Windows has the font, by its family name.
    virtual bool font_installed(const std::string& name) = 0;

    virtual void set_button_enabled(bool enabled) = 0;
    virtual void set_progress(std::int16_t percent) = 0;
    // Modal; returns when the user has closed the box.
    virtual void show_message(const std::string& text, const std::string& caption, Icon icon) = 0;
};

}  // namespace typeset
