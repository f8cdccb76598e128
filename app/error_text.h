// Texts of the error message box.
#pragma once

#include <string>
#include <string_view>

namespace app {

// The exception's message with a "." appended unless it is empty or already
// ends in "." or a character below it (a blank, "!", ",").
std::string error_box_text(std::string message);

// Asked below the message when the settings cannot be saved at close.
std::string save_failure_question();

// The executable's file name without its directory, cut at the first ".",
// every character after the first in lower case: "MyTool.Setup.exe" gives
// "Mytool".
std::string application_title(std::string_view executable_path);

}  // namespace app
