// Which program answered, by the name it gives itself (Application.Name).
#pragma once

#include <string>
#include <string_view>

namespace word {

inline constexpr const char* kWordProgram = "Word";
inline constexpr const char* kWpsProgram = "WPS 文字";

// "WPS 文字" for a name of WPS Office's (WPS can answer to Word's class),
// "Word" for Microsoft Word's, else the fallback: the program the class
// that answered belongs to.
std::string program_by_name(std::string_view application_name, std::string_view fallback);

}  // namespace word
