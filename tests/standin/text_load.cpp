#include "tests/standin/text_load.h"

#include "platform/utf8.h"

namespace standin {

DocumentState load_text(std::string_view utf8)
{
    DocumentState document;
    const std::u32string text = platform::decode_utf8(utf8);
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

DocumentState load_listed_text(std::string_view utf8)
{
    DocumentState document = load_text(utf8);
    for (ParagraphState& paragraph : document.paragraphs) {
        if (!paragraph.text.starts_with(U"[[")) continue;
        const std::size_t close = paragraph.text.find(U"]]", 2);
        if (close == std::u32string::npos) continue;
        paragraph.list_string = platform::encode_utf8(paragraph.text.substr(2, close - 2));
        paragraph.text.erase(0, close + 2);
        paragraph.chars.resize(paragraph.text.size() + 1);
    }
    return document;
}

}  // namespace standin
