#include "settings/value_text.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "settings/ascii_text.h"

namespace dorv {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Converts a canonical "[-]digits[.digits][e[-]digits]" text; the caller has checked its shape.
// Magnitudes beyond double's range become infinite (then fail the range checks), tiny ones zero.
double ConvertCanonical(const std::string& canonical) {
    double value = 0.0;
    auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        bool tiny = canonical.find("e-") != std::string::npos;
        bool negative = canonical.front() == '-';
        if (tiny)
            return 0.0;
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return value;
}

// Reads a number from the start of the text into canonical "[-]digits[.digits][e[-]digits]" form:
// sign, digits, a decimal separator ("." or the given symbol) and an exponent that has digits.
// Reading stops at the first character that cannot continue the number.
struct ScannedNumber {
    std::string canonical;
    std::size_t length = 0;  // characters consumed
    bool hasDigits = false;
};

ScannedNumber ScanNumber(std::string_view text, std::string_view decimalSymbol) {
    ScannedNumber number;
    std::string& out = number.canonical;
    std::size_t i = 0;
    auto takeDigits = [&] {
        std::size_t start = i;
        while (i < text.size() && IsDigit(text[i]))
            out += text[i++];
        return i > start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            out += '-';
        ++i;
    }
    out += '0';  // so ".5" and "-.5" convert
    number.hasDigits = takeDigits();
    std::size_t separator = 0;
    if (i < text.size() && text[i] == '.')
        separator = 1;
    else if (!decimalSymbol.empty() && text.substr(i, decimalSymbol.size()) == decimalSymbol)
        separator = decimalSymbol.size();
    if (separator != 0) {
        i += separator;
        out += '.';
        number.hasDigits = takeDigits() || number.hasDigits;
    }
    if (number.hasDigits && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t mark = i;
        std::string mantissa = out;
        ++i;
        out += 'e';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-')
                out += '-';
            ++i;
        }
        if (!takeDigits()) {  // "1e" is the number 1 followed by a letter
            i = mark;
            out = mantissa;
        }
    }
    number.length = i;
    return number;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text, std::string_view decimalSymbol) {
    text = Trim(text, IsSpaceOrTab);
    ScannedNumber number = ScanNumber(text, decimalSymbol);
    if (!number.hasDigits || number.length != text.size())
        return std::nullopt;
    return ConvertCanonical(number.canonical);
}

double LeadingNumber(std::string_view text) {
    ScannedNumber number = ScanNumber(TrimStart(text, IsSpaceOrTab), ".");
    return number.hasDigits ? ConvertCanonical(number.canonical) : 0.0;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    double lower = std::floor(value);
    double fraction = value - lower;
    if (fraction > 0.5)
        return lower + 1.0;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::optional<bool> ParseBoolean(std::string_view text, std::string_view decimalSymbol) {
    std::string_view word = Trim(text, IsSpaceOrTab);
    if (EqualNoCase(word, "true"))
        return true;
    if (EqualNoCase(word, "false"))
        return false;
    if (std::optional<double> number = ParseDecimal(text, decimalSymbol))
        return *number != 0.0;
    return std::nullopt;
}

std::string FormatInteger(std::int64_t value) {
    std::string text = std::to_string(value);
    return value < 0 ? text : " " + text;
}

// The shortest text that reads back to the same float, plain or with an exponent, whichever is shorter:
// 1230.5 stays "1230.5", while 1e-30 is not spelled out in thirty places.
std::string FormatSingle(float value, std::string_view decimalSymbol) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0");
    if (std::size_t dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, decimalSymbol);
    return text;
}

// The profile reader trims blanks around a value and strips one pair of matching outer quotes, so a text that
// has either would come back changed; one more pair of quotes protects it (a stored """" reads back as "").
std::string FormatText(std::string_view text) {
    const bool quoted =
        text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
    const bool padded = !text.empty() && (IsProfileBlank(text.front()) || IsProfileBlank(text.back()));
    if (quoted || padded)
        return "\"" + std::string(text) + "\"";
    return std::string(text);
}

std::string FormatBoolean(bool value) {
    return value ? "True" : "False";
}

}  // namespace dorv
