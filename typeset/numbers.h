// Numbers as the user types them, and the texts the run writes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "typeset/platform.h"

namespace typeset {

// A dialog value that is not a number.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr long double kPointsPerCentimetre = 28.346L;

// A decimal number, [blanks][sign]digits[separator digits][E[sign]digits][blanks],
// with the user's decimal separator or ".", that fits a 32-bit float.
// Anything else raises "'text' is not a valid floating point value".
float parse_float(const std::string& text, const std::string& decimal_separator);

// Centimetres to points, multiplied in extended precision and rounded once
// to a float: "2.5" gives 70.865 points.
float centimetres_to_points(const std::string& text, const std::string& decimal_separator);

// Elapsed milliseconds as seconds in the general format: 2531 gives
// "2.531", 4000 gives "4", 50 gives "0.05".
std::string format_seconds(std::int64_t milliseconds, const std::string& decimal_separator);

// "2027年1月5日": four-digit year, month and day without leading zeros.
std::string format_date(const CivilDate& date);

}  // namespace typeset
