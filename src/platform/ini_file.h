#pragma once
// The INI file: one value per call, with the semantics of the private-profile calls.
#include <string>

namespace dorv {

class IniFile {
public:
    virtual ~IniFile() = default;

    // Value of a key, empty when the file, section or key is absent; at most 1023 characters.
    virtual std::string ReadString(const std::string& path, const std::string& section, const std::string& key) = 0;
    // Writes one value, creating the file and section when missing. Failures go unnoticed.
    virtual void WriteString(const std::string& path,
                             const std::string& section,
                             const std::string& key,
                             const std::string& value) = 0;
    // The folder that holds the program, without a trailing separator.
    virtual std::string ProgramFolder() = 0;
};

}  // namespace dorv
