#include "win32_ini_file.h"

#include <windows.h>

#include "win32_handles.h"
#include "win32_program_folder.h"
#include "win32_text.h"

namespace dorv {
namespace {

// The system's words for an error, in UTF-8, without the line break it ends with.
std::string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length > 0 && text ? std::wstring(text, length) : std::wstring();
    if (text)
        LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' '))
        reason.pop_back();
    if (reason.empty())
        reason = L"Error " + std::to_wstring(error);
    return Narrow(reason);
}

FileResult LastError() {
    return FileResult::Failed(SystemReason(GetLastError()));
}

// Wide text in the ANSI code page; `lossy` tells whether some character had no spelling there.
std::string ToAnsi(const std::wstring& wide, bool& lossy) {
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, &usedDefault);
    std::string ansi(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), size, nullptr, &usedDefault);
    ansi.resize(ansi.find('\0'));
    lossy = usedDefault != FALSE;
    return ansi;
}

// A path for the private-profile calls, which take ANSI: a folder the code page cannot spell is given in its
// short form. The file itself need not exist yet (the working copy of a save does not).
std::string ProfilePath(const std::string& utf8) {
    const std::wstring wide = Widen(utf8);
    bool lossy = false;
    std::string ansi = ToAnsi(wide, lossy);
    const std::size_t slash = wide.find_last_of(L"\\/");
    if (!lossy || slash == std::wstring::npos)
        return ansi;
    const std::wstring folder = wide.substr(0, slash);
    wchar_t shortName[MAX_PATH * 2] = {};
    const DWORD shortLength = GetShortPathNameW(folder.c_str(), shortName, MAX_PATH * 2);
    if (shortLength == 0 || shortLength >= MAX_PATH * 2)
        return ansi;
    return ToAnsi(std::wstring(shortName) + wide.substr(slash), lossy);
}

}  // namespace

std::string Win32IniFile::ReadString(const std::string& path, const std::string& section, const std::string& key) {
    char value[1024] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof value, ProfilePath(path).c_str());
    return value;
}

FileResult Win32IniFile::WriteString(const std::string& path,
                                     const std::string& section,
                                     const std::string& key,
                                     const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), ProfilePath(path).c_str()))
        return LastError();
    return {};
}

FileResult Win32IniFile::CopyForSave(const std::string& path, const std::string& copy) {
    const std::wstring from = Widen(path);
    const std::wstring to = Widen(copy);
    // A leftover of a save that was killed goes first, whatever its attributes.
    SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileW(to.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return LastError();
    const DWORD attributes = GetFileAttributesW(from.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return {};  // a first run: the profile writes create the copy
        return FileResult::Failed(SystemReason(error));
    }
    // The user's read-only mark is kept even where the file system would let this process write (an
    // administrator under Wine); the replace would otherwise drop it together with the old text.
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
        return FileResult::Failed(SystemReason(ERROR_ACCESS_DENIED));
    // Opened for writing without a change: a file locked or closed to this process fails here with the
    // system's reason rather than after the work is done.
    FileOwner probe(CreateFileW(from.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe.valid())
        return LastError();
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE))
        return LastError();
    return {};
}

FileResult Win32IniFile::ReplaceWith(const std::string& path, const std::string& copy) {
    const std::wstring to = Widen(path);
    const std::wstring from = Widen(copy);
    {
        // The copy's bytes reach the disk before its name takes the old file's place.
        FileOwner work(CreateFileW(from.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!work.valid() || !FlushFileBuffers(work.get()))
            return LastError();
    }
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastError();
    return {};
}

void Win32IniFile::RemoveFile(const std::string& path) {
    const std::wstring file = Widen(path);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(file.c_str());
}

// The program's folder in UTF-8; the current folder when the system cannot tell.
std::string Win32IniFile::ProgramFolder() {
    const std::wstring folder = ProgramFolderPath();
    return folder.empty() ? "." : Narrow(folder);
}

}  // namespace dorv
