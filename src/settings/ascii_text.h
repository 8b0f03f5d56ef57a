#pragma once
// Byte-wise text helpers shared by the profile text and the value formats.
#include <cstddef>
#include <string_view>

namespace dorv {

// The blanks of the system's profile parser: tab to CR, space, and Ctrl-Z (an old end-of-file mark).
constexpr bool IsProfileBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a';
}

// The blanks around a number: space and tab.
constexpr bool IsSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}

// The text without the given blanks at its start, its end, or both.
constexpr std::string_view TrimStart(std::string_view s, bool (*isBlank)(char)) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    return s;
}
constexpr std::string_view TrimEnd(std::string_view s, bool (*isBlank)(char)) {
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}
constexpr std::string_view Trim(std::string_view s, bool (*isBlank)(char)) {
    return TrimEnd(TrimStart(s, isBlank), isBlank);
}

// ASCII case folding only; other bytes must match exactly.
constexpr bool EqualNoCase(std::string_view a, std::string_view b) {
    auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i]))
            return false;
    return true;
}

}  // namespace dorv
