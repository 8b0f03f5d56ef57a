#pragma once
// INI text edited with the rules of the system's private-profile calls, for hosts that lack them.
#include <string>

namespace dorv {

// The value of a key in INI text: sections and keys match without regard to case, blanks around the
// value are not part of it, at most 1023 characters; empty when the section or key is absent.
std::string IniTextRead(const std::string& text, const std::string& section, const std::string& key);

// The INI text after writing one value: an existing key's value is replaced in place, a new key is
// appended at the end of its section, a new section at the end of the text.
std::string IniTextWrite(const std::string& text,
                         const std::string& section,
                         const std::string& key,
                         const std::string& value);

}  // namespace dorv
