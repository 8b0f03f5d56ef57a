#pragma once
// Numbers in display patterns such as "#,##0", "##.#" or "00分": '#' is an optional digit, '0' a required
// one, ',' in the whole part groups thousands, '.' is the decimal point; text around the digits is kept.
#include <string>
#include <string_view>

#include "platform/system_status.h"

namespace dorv {

// The user's locale symbols that the patterns' ',' and '.' stand for.
struct NumberSymbols {
    std::string thousands = ",";
    std::string decimal = ".";
};

// Rounded half away from zero to the pattern's decimal places.
std::string FormatNumber(double value, std::string_view pattern, const NumberSymbols& symbols = {});

// The time of day as "hh時mm分ss秒", 24-hour.
std::string FormatClockTime(const LocalTime& time);

}  // namespace dorv
