#include "settings/portable_ini_file.h"

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

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

FileResult Failed(int error) {
    return FileResult::Failed(std::generic_category().message(error));
}

}  // namespace

std::string PortableIniFile::ReadString(const std::string& path, const std::string& section, const std::string& key) {
    return IniTextRead(ReadAll(FromUtf8(path)), section, key);
}

FileResult PortableIniFile::WriteString(const std::string& path,
                                        const std::string& section,
                                        const std::string& key,
                                        const std::string& value) {
    const std::filesystem::path file = FromUtf8(path);
    const std::string before = ReadAll(file);
    const std::string after = IniTextWrite(before, section, key, value);
    if (after == before) {
        return {};  // the system leaves the file alone when the value is already there
    }
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(after.data(), static_cast<std::streamsize>(after.size()));
    out.close();
    if (!out) {
        return Failed(errno);
    }
    return {};
}

FileResult PortableIniFile::CopyForSave(const std::string& path, const std::string& copy) {
    const std::filesystem::path from = FromUtf8(path);
    const std::filesystem::path to = FromUtf8(copy);
    std::error_code error;
    std::filesystem::remove(to, error);  // a leftover of a save that was cut short
    if (error) {
        return FileResult::Failed(error.message());
    }
    if (!std::filesystem::exists(from, error)) {
        return error ? FileResult::Failed(error.message()) : FileResult{};
    }
    // A folder, a file without write permission (honoured even for an administrator) or one that cannot be
    // opened for writing fails here, before any work.
    const std::filesystem::file_status status = std::filesystem::status(from, error);
    if (std::filesystem::is_directory(status)) {
        return Failed(EISDIR);
    }
    if ((status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none) {
        return Failed(EACCES);
    }
    errno = 0;
    if (!std::ofstream(from, std::ios::binary | std::ios::app)) {
        return Failed(errno != 0 ? errno : EACCES);
    }
    std::filesystem::copy_file(from, to, error);
    return error ? FileResult::Failed(error.message()) : FileResult{};
}

FileResult PortableIniFile::ReplaceWith(const std::string& path, const std::string& copy) {
    std::error_code error;
    std::filesystem::rename(FromUtf8(copy), FromUtf8(path), error);
    return error ? FileResult::Failed(error.message()) : FileResult{};
}

void PortableIniFile::RemoveFile(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(FromUtf8(path), ignored);
}

}  // namespace dorv
