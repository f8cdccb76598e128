// Any bytes are a settings file: reading never fails, and what is written
// back reads as the same content and writes as the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/flag_value.h"
#include "tests/settings/iconv_code_page.h"
#include "settings/ini_text.h"

namespace {

const settings::CodePage& code_page_for(std::uint8_t selector)
{
    static const settings::Utf8CodePage utf8;
    static const settings::IconvCodePage cp936("CP936");
    return selector % 2 == 0 ? static_cast<const settings::CodePage&>(utf8) : cp936;
}

void require(bool condition)
{
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const settings::CodePage& code_page = code_page_for(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    const settings::IniContent content = settings::parse_ini(bytes, code_page);
    for (const settings::IniSection& section : content) {
        for (const std::string& line : section.lines) {
            const auto key = settings::entry_key(line);
            if (!key) continue;
            // A later section of the same name may lack the key.
            if (const auto value = settings::find_value(content, section.name, *key)) {
                (void)settings::parse_flag(*value);
            }
        }
    }

    const std::string written = settings::format_ini(content, code_page);
    const settings::IniContent read_back = settings::parse_ini(written, code_page);
    require(settings::format_ini(read_back, code_page) == written);

    settings::IniContent changed = read_back;
    settings::set_value(changed, "ymsz", "left", "2.5");
    require(settings::find_value(changed, "YMSZ", "LEFT") == "2.5");
    return 0;
}
