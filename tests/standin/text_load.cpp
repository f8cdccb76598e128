#include "tests/standin/text_load.h"

#include "tests/standin/utf8.h"

namespace standin {

DocumentState load_text(std::string_view utf8)
{
    DocumentState document;
    const std::u32string text = decode_utf8(utf8);
    ParagraphState current;
    auto finish_paragraph = [&] {
        current.chars.assign(current.text.size() + 1, CharFormat{});
        document.paragraphs.push_back(std::move(current));
        current = ParagraphState{};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            finish_paragraph();
        } else {
            current.text.push_back(c);
        }
    }
    if (!current.text.empty() || document.paragraphs.empty()) finish_paragraph();
    return document;
}

}  // namespace standin
