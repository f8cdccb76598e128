// The clock and the user's locale on Windows.
#pragma once

#include "typeset/platform.h"

namespace app::win {

class Win32Platform : public typeset::Platform {
public:
    std::string decimal_separator() override;
    std::chrono::steady_clock::time_point now() override;
    typeset::CivilDate today() override;
};

}  // namespace app::win
