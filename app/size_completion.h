// Completion while typing in a size combo: the field's text after a
// keystroke, looked up as a prefix among the entries. Works on UTF-16, where
// every character of the entries is one unit, so a double-byte character of
// the system code page counts as one character.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace app {

struct SizeCompletion {
    std::size_t entry;    // position of the entry in the list
    std::u16string text;  // the entry's full text, which replaces the field
    std::size_t caret;    // after the typed part; from here to the end is selected
};

// The field's text once `typed` has replaced the selection [start, end).
// Out-of-range or reversed selections are clamped and ordered the way an
// edit control treats them.
std::u16string text_after_typing(std::u16string_view field, std::size_t selection_start, std::size_t selection_end,
                                 std::u16string_view typed);

// The first entry that begins with `typed_text`, ignoring letter case, or
// none. An empty text completes to nothing.
std::optional<SizeCompletion> complete_from(std::span<const std::u16string> entries, std::u16string_view typed_text);

// The same over the sixteen Chinese font sizes.
std::optional<SizeCompletion> complete_size_name(std::u16string_view typed_text);

// The sixteen entry names in UTF-16, in table order.
std::span<const std::u16string> size_names_utf16();

// Printable: what a keystroke types into the field rather than controls it.
// Halves of a surrogate pair are left to the edit as they are.
bool is_printable(char16_t character);

}  // namespace app
