#include "settings/value_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace dorv {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
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

}  // namespace

std::optional<double> ParseDecimal(std::string_view text, std::string_view decimalSymbol) {
    text = TrimBlanks(text);
    std::string canonical;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            canonical += '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        canonical += text[i++];
        ++mantissaDigits;
    }
    auto separatorAt = [&](std::size_t pos) -> std::size_t {
        if (pos < text.size() && text[pos] == '.')
            return 1;
        if (!decimalSymbol.empty() && text.substr(pos, decimalSymbol.size()) == decimalSymbol)
            return decimalSymbol.size();
        return 0;
    };
    if (std::size_t separator = separatorAt(i); separator != 0) {
        i += separator;
        canonical += '.';
        while (i < text.size() && IsDigit(text[i])) {
            canonical += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        canonical += 'e';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-')
                canonical += '-';
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            canonical += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    if (canonical.back() == '.')
        canonical += '0';
    if (canonical.front() == '.' || (canonical.size() > 1 && canonical[0] == '-' && canonical[1] == '.'))
        canonical.insert(canonical.find('.'), "0");
    return ConvertCanonical(canonical);
}

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    std::string canonical;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            canonical += '-';
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        canonical += text[i++];
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        canonical += '.';
        while (i < text.size() && IsDigit(text[i])) {
            canonical += text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    // An exponent counts only when digits follow it.
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (text[j] == '+' || text[j] == '-') {
            if (text[j] == '-')
                exponent += '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                exponent += text[j++];
            canonical += exponent;
        }
    }
    if (canonical.back() == '.')
        canonical += '0';
    if (std::size_t dot = canonical.find('.'); dot != std::string::npos && (dot == 0 || canonical[dot - 1] == '-'))
        canonical.insert(dot, "0");
    return ConvertCanonical(canonical);
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

std::optional<std::int16_t> ToInt16(double value) {
    double rounded = RoundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int32_t> ToInt32(double value) {
    double rounded = RoundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < -2147483648.0 || rounded > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<bool> ParseBoolean(std::string_view text, std::string_view decimalSymbol) {
    std::string_view word = TrimBlanks(text);
    auto equalsIgnoringCase = [](std::string_view a, std::string_view b) {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
            if (x != b[i])
                return false;
        }
        return true;
    };
    if (equalsIgnoringCase(word, "true"))
        return true;
    if (equalsIgnoringCase(word, "false"))
        return false;
    if (std::optional<double> number = ParseDecimal(text, decimalSymbol))
        return *number != 0.0;
    return std::nullopt;
}

std::string FormatInteger(std::int64_t value) {
    std::string text = std::to_string(value);
    return value < 0 ? text : " " + text;
}

std::string FormatSingle(float value, std::string_view decimalSymbol) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0");
    if (std::size_t dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, decimalSymbol);
    return text;
}

std::string FormatBoolean(bool value) {
    return value ? "True" : "False";
}

}  // namespace dorv
