#include "word/program_name.h"

#include <algorithm>
#include <cctype>

namespace word {

namespace {

bool contains(std::string_view text, std::string_view part)
{
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
}

}  // namespace

std::string program_by_name(std::string_view application_name, std::string_view fallback)
{
    if (contains(application_name, "WPS") || contains(application_name, "Kingsoft")) return kWpsProgram;
    if (contains(application_name, "Word")) return kWordProgram;
    return std::string(fallback);
}

}  // namespace word
