#include "dialogs/about/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace dorv {
namespace {

constexpr std::string_view kDigitMarks = "#0,.";

// Puts the separator between groups of three, counted from the right.
std::string Grouped(const std::string& digits, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return text;
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern, const NumberSymbols& symbols) {
    const std::size_t begin = pattern.find_first_of(kDigitMarks);
    if (begin == std::string_view::npos)
        return std::string(pattern);
    std::size_t end = pattern.find_first_not_of(kDigitMarks, begin);
    if (end == std::string_view::npos)
        end = pattern.size();
    const std::string_view marks = pattern.substr(begin, end - begin);
    const std::size_t point = marks.find('.');
    const std::string_view whole = marks.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : marks.substr(point + 1);

    const auto minWhole = static_cast<std::size_t>(std::count(whole.begin(), whole.end(), '0'));
    const auto minPlaces = static_cast<std::size_t>(std::count(fraction.begin(), fraction.end(), '0'));
    const auto places = minPlaces + static_cast<std::size_t>(std::count(fraction.begin(), fraction.end(), '#'));

    if (!std::isfinite(value))
        value = 0;
    // All digits of the rounded value as one integer, the last `places` of them after the point.
    const double scaled = std::round(std::fabs(value) * std::pow(10.0, static_cast<double>(places)));
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", scaled);
    std::string digits = buffer;
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    std::string wholeDigits = digits.substr(0, digits.size() - places);
    std::string fractionDigits = digits.substr(digits.size() - places);

    wholeDigits.erase(0, std::min(wholeDigits.find_first_not_of('0'), wholeDigits.size()));
    if (wholeDigits.size() < minWhole)
        wholeDigits.insert(0, minWhole - wholeDigits.size(), '0');
    while (fractionDigits.size() > minPlaces && fractionDigits.back() == '0')
        fractionDigits.pop_back();

    std::string text(pattern.substr(0, begin));
    if (value < 0 && scaled != 0)
        text += '-';
    text += whole.find(',') != std::string_view::npos ? Grouped(wholeDigits, symbols.thousands) : wholeDigits;
    if (point != std::string_view::npos)
        text += symbols.decimal + fractionDigits;
    text += pattern.substr(end);
    return text;
}

std::string FormatClockTime(const LocalTime& time) {
    return FormatNumber(time.hour, "00時") + FormatNumber(time.minute, "00分") + FormatNumber(time.second, "00秒");
}

}  // namespace dorv
