#pragma once
// Numbers as text in meter.ini: the parse rules of the load and the formats of the save.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace dorv {

// A whole decimal number (sign, fraction, exponent; blanks around it allowed), with "." or the
// system's decimal symbol as separator. Anything else, empty text included, gives nothing.
std::optional<double> ParseDecimal(std::string_view text, std::string_view decimalSymbol);

// The number at the start of the text, reading up to the first character that cannot continue it;
// 0 when there is none. Only "." separates decimals here.
double LeadingNumber(std::string_view text);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Rounded to an integer of the field's width; nothing when outside its range or not finite.
template <typename Int>
std::optional<Int> ToInteger(double value) {
    const double rounded = RoundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<Int>::min() ||
        rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(rounded);
}
inline constexpr auto ToInt16 = ToInteger<std::int16_t>;
inline constexpr auto ToInt32 = ToInteger<std::int32_t>;

// True or False in any letter case, or a number (0 is False, any other True).
std::optional<bool> ParseBoolean(std::string_view text, std::string_view decimalSymbol);

// An integer as the settings file keeps it: a blank before non-negative numbers (" 2", "-1").
std::string FormatInteger(std::int64_t value);

// A single-precision number in the shortest form that reads back to it (1230, -45, 1230.5, 1e+12).
std::string FormatSingle(float value, std::string_view decimalSymbol);

// Text as the settings file keeps it, so that the profile reader gives it back unchanged.
std::string FormatText(std::string_view text);

std::string FormatBoolean(bool value);

}  // namespace dorv
