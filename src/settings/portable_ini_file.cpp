#include "settings/portable_ini_file.h"

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/ini_text.h"

namespace dorv {
namespace {

// Paths arrive as UTF-8; a plain std::string would be taken in the ANSI code page on Windows.
std::filesystem::path FromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

// The whole file as bytes, or nothing when it cannot be opened.
std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    // A chunked read, not istreambuf_iterator, which trips g++'s -Wnull-dereference at -O2.
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    return text;
}

}  // namespace

std::string PortableIniFile::ReadString(const std::string& path, const std::string& section, const std::string& key) {
    return IniTextRead(ReadAll(FromUtf8(path)), section, key);
}

void PortableIniFile::WriteString(const std::string& path,
                                  const std::string& section,
                                  const std::string& key,
                                  const std::string& value) {
    const std::filesystem::path file = FromUtf8(path);
    const std::string before = ReadAll(file);
    const std::string after = IniTextWrite(before, section, key, value);
    if (after == before) {
        return;  // the system leaves the file alone when the value is already there
    }
    // Failures are silent by contract: a missing folder or a read-only file simply keeps the old text.
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(after.data(), static_cast<std::streamsize>(after.size()));
}

}  // namespace dorv
