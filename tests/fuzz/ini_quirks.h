#pragma once
// Two quirks of the system's INI writer (Wine's, which the portable one matches byte for byte) that make a
// rewrite of the file change what other keys read. Real files hardly ever have them; the fuzz targets leave
// texts with them out of the checks of what a write keeps.
#include <cstddef>
#include <string_view>

namespace dorv::fuzz {

inline bool IsIniBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a';
}

inline std::string_view TrimIniBlanks(std::string_view s) {
    while (!s.empty() && IsIniBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsIniBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A header "[]" (or "[ ]"): such a section is written back without its header, so its keys join the section
// before it and a second write may drop some of them.
inline bool HasNamelessHeader(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = TrimIniBlanks(text.substr(pos, end - pos));
        pos = end + 1;
        const std::size_t close = line.rfind(']');
        if (!line.empty() && line.front() == '[' && close != std::string_view::npos) {
            const std::string_view name = line.substr(1, close - 1);
            if (TrimIniBlanks(name.substr(0, name.find('\0'))).empty())
                return true;
        }
    }
    return false;
}

// A zero byte: a rewrite cuts its line there, as the system does, and what remains may read differently
// (a blank before the zero is trimmed away next time, a line that began with it is left blank and vanishes).
inline bool HasZeroByte(std::string_view text) {
    return text.find('\0') != std::string_view::npos;
}

inline bool HasRewriteQuirk(std::string_view text) {
    return HasNamelessHeader(text) || HasZeroByte(text);
}

}  // namespace dorv::fuzz
