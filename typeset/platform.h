// The clock and the user's locale, as the run sees them.
#pragma once

#include <chrono>
#include <string>

namespace typeset {

struct CivilDate {
    int year;
    int month;  // 1 to 12
    int day;    // 1 to 31
};

class Platform {
public:
    virtual ~Platform() = default;
    // The user's decimal separator, UTF-8 ("." or "," on most systems).
    virtual std::string decimal_separator() = 0;
    // For the elapsed time: monotonic, unaffected by clock changes.
    virtual std::chrono::steady_clock::time_point now() = 0;
    // The local date, for the sign-off block.
    virtual CivilDate today() = 0;
};

}  // namespace typeset
