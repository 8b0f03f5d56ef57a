#include "render/readout.h"

#include <charconv>
#include <cmath>

namespace dorv {

std::string FormatOneDecimal(double value, std::string_view decimalSymbol) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    // Exact decimal digits of the double, so a value just below a half rounds down and a true half up.
    char exact[400];
    auto [end, error] = std::to_chars(exact, exact + sizeof exact, std::fabs(value), std::chars_format::fixed, 40);
    if (error != std::errc())
        return "0" + std::string(decimalSymbol) + "0";
    std::string digits(exact, end);
    std::size_t dot = digits.find('.');
    std::string whole = digits.substr(0, dot);
    int tenths = digits[dot + 1] - '0';
    bool roundUp = digits[dot + 2] >= '5';
    if (roundUp && ++tenths == 10) {
        tenths = 0;
        // Carry into the integer digits.
        std::size_t i = whole.size();
        while (i > 0 && whole[i - 1] == '9')
            whole[--i] = '0';
        if (i == 0)
            whole = "1" + whole;
        else
            ++whole[i - 1];
    }
    std::string text = whole + std::string(decimalSymbol) + static_cast<char>('0' + tenths);
    bool isZero = text.find_first_not_of("0", 0) == whole.size() && tenths == 0;
    return value < 0 && !isZero ? "-" + text : text;
}

void UpdateReadout(const DialSurface& dial, double shownValue, std::string_view decimalSymbol) {
    dial.state.readoutLabel.text = FormatOneDecimal(shownValue, decimalSymbol) + "%";
    RefreshLabel(dial, DialLabelId::Readout);
}

}  // namespace dorv
