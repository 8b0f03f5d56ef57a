#pragma once
// Three quirks of the system's INI writer (Wine's, which the portable one matches byte for byte) that make a
// rewrite of the file change what other keys read. Real files hardly ever have them; the fuzz targets leave
// texts with them out of the checks of what a write keeps.
#include <cstddef>
#include <string_view>

namespace dorv::fuzz {

// A UTF-8 mark after blanks at the start (the third quirk) is no mark, so its line is text, until a rewrite drops
// the blanks: the mark, now first, makes a header of what follows it, which may hide even the key just written.
inline bool HasHiddenMark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (text.substr(0, mark.size()) == mark)
        return false;
    const std::size_t first = text.find_first_not_of("\t\n\v\f\r \x1a");
    return first != std::string_view::npos && text.substr(first, mark.size()) == mark;
}

// A zero byte: a rewrite cuts its line there, and what remains may read differently. A header "[]" or "[ ]":
// such a section is written back without its header, so its keys join the section before it and a second write
// may drop some of them. Any '[' with only blanks before a ']' is taken for such a header, to be safe.
inline bool HasRewriteQuirk(std::string_view text) {
    if (text.find('\0') != std::string_view::npos || HasHiddenMark(text))
        return true;
    for (std::size_t at = text.find('['); at != std::string_view::npos; at = text.find('[', at + 1)) {
        const std::size_t next = text.find_first_not_of("\t\v\f \x1a", at + 1);
        if (next != std::string_view::npos && text[next] == ']')
            return true;
    }
    return false;
}

}  // namespace dorv::fuzz
