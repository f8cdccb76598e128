#include "tests/settings/iconv_code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <stdexcept>

namespace settings {
namespace {

class Converter {
public:
    Converter(const std::string& to, const std::string& from)
        : handle_(iconv_open(to.c_str(), from.c_str()))
    {
        if (handle_ == invalid()) throw std::runtime_error("No conversion from " + from + " to " + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    enum class Stop { done, invalid_input };

    // Converts as much of input as it can, appending to output; input is
    // left at the first byte that does not convert.
    Stop convert(std::string_view& input, std::string& output)
    {
        char buffer[256];
        while (!input.empty()) {
            auto* in = const_cast<char*>(input.data());
            std::size_t in_left = input.size();
            char* out = buffer;
            std::size_t out_left = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &in_left, &out, &out_left);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            input.remove_prefix(input.size() - in_left);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return Stop::invalid_input;
        }
        return Stop::done;
    }

    // Ends the output in the initial shift state, for stateful encodings.
    void finish(std::string& output)
    {
        char buffer[64];
        char* out = buffer;
        std::size_t out_left = sizeof buffer;
        iconv(handle_, nullptr, nullptr, &out, &out_left);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
    }

private:
    static iconv_t invalid() { return reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }

    iconv_t handle_;
};

}  // namespace

IconvCodePage::IconvCodePage(std::string name) : name_(std::move(name))
{
    Converter probe("UTF-8", name_);
}

std::string IconvCodePage::to_utf8(std::string_view bytes) const
{
    Converter converter("UTF-8", name_);
    std::string text;
    while (converter.convert(bytes, text) == Converter::Stop::invalid_input) {
        // As Windows does for a code page: an undecodable byte becomes "?".
        text += '?';
        bytes.remove_prefix(1);
    }
    converter.finish(text);
    return text;
}

std::optional<std::string> IconvCodePage::from_utf8(std::string_view text) const
{
    Converter converter(name_, "UTF-8");
    std::string bytes;
    if (converter.convert(text, bytes) == Converter::Stop::invalid_input) return std::nullopt;
    converter.finish(bytes);
    return bytes;
}

}  // namespace settings
