#include "app/size_completion.h"

#include <algorithm>
#include <array>

#include "app/size_table.h"

namespace app {

namespace {

// The entries are valid UTF-8 written in this repository; no error paths.
std::u16string utf16_from_utf8(std::string_view utf8)
{
    std::u16string result;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t code = lead;
        std::size_t length = 1;
        if (lead >= 0xF0) {
            code = lead & 0x07u;
            length = 4;
        } else if (lead >= 0xE0) {
            code = lead & 0x0Fu;
            length = 3;
        } else if (lead >= 0xC0) {
            code = lead & 0x1Fu;
            length = 2;
        }
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        i += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            result.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            result.push_back(static_cast<char16_t>(code));
        }
    }
    return result;
}

// Letter case as far as anyone types it into a size field: ASCII, Latin-1
// and the full-width Latin letters of Chinese input methods.
char16_t fold(char16_t c)
{
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
    if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return static_cast<char16_t>(c + 0x20);
    if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<char16_t>(c + 0x20);
    return c;
}

bool begins_with_ignoring_case(std::u16string_view text, std::u16string_view prefix)
{
    if (prefix.size() > text.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char16_t a, char16_t b) { return fold(a) == fold(b); });
}

}  // namespace

std::u16string text_after_typing(std::u16string_view field, std::size_t selection_start, std::size_t selection_end,
                                 std::u16string_view typed)
{
    std::size_t start = std::min(selection_start, field.size());
    std::size_t end = std::min(selection_end, field.size());
    if (end < start) std::swap(start, end);
    std::u16string result{field.substr(0, start)};
    result += typed;
    result += field.substr(end);
    return result;
}

std::optional<SizeCompletion> complete_from(std::span<const std::u16string> entries, std::u16string_view typed_text)
{
    if (typed_text.empty()) return std::nullopt;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (begins_with_ignoring_case(entries[i], typed_text))
            return SizeCompletion{i, entries[i], typed_text.size()};
    }
    return std::nullopt;
}

std::span<const std::u16string> size_names_utf16()
{
    static const auto names = [] {
        std::array<std::u16string, kChineseFontSizes.size()> result;
        for (std::size_t i = 0; i < kChineseFontSizes.size(); ++i)
            result[i] = utf16_from_utf8(kChineseFontSizes[i].name);
        return result;
    }();
    return names;
}

std::optional<SizeCompletion> complete_size_name(std::u16string_view typed_text)
{
    return complete_from(size_names_utf16(), typed_text);
}

bool is_printable(char16_t character)
{
    if (character < 0x20 || (character >= 0x7F && character <= 0x9F)) return false;
    // Half of a character beyond the BMP: no entry holds one.
    return character < 0xD800 || character > 0xDFFF;
}

}  // namespace app
