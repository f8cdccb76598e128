// A size combo: an editable drop-down of the sixteen Chinese font sizes. The
// user picks an entry or types any text; the size value comes from the text
// alone. Typing a printable character completes the text to the first entry
// that begins with it, leaving the completed rest selected.
#pragma once

#include <string>
#include <string_view>

#include "app/win/controls/flat_combo.h"

namespace app::win {

class SizeComboBox : public FlatCombo {
public:
    SizeComboBox() = default;
    ~SizeComboBox() override;

    void create_size_combo(HWND parent, const RECT& bounds, int id, HFONT font, int entry_height,
                           int initial_index);

    // The text of the edit field, unchanged.
    std::string text() const;
    // Shows the text as given, whether or not it names an entry.
    void set_text(const std::string& text);
    // The point size behind an entry's name, or else the text itself.
    std::string value() const;

    // The combo's edit field, where the user types.
    HWND field() const { return field_; }

private:
    LRESULT on_field_message(UINT message, WPARAM wparam, LPARAM lparam);
    // Completes what typing `typed` over the selection gives; false when no
    // entry begins with it and the edit should take the keystroke itself.
    bool complete_typing(std::wstring_view typed);
    // After the edit inserted an input method's result string on its own.
    void complete_field_text();
    void show_completion(std::size_t entry, const std::wstring& text, std::size_t caret);

    HWND field_ = nullptr;
    bool typed_by_characters_ = false;
    static constexpr auto field_thunk =
        subclass_thunk<SizeComboBox, &SizeComboBox::field_, &SizeComboBox::on_field_message>;
};

}  // namespace app::win
