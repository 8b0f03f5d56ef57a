#include "win32_ini_file.h"

#include <windows.h>

#include <shlobj.h>

#include "win32_handles.h"
#include "win32_program_folder.h"
#include "win32_system_library.h"
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

}  // namespace

// The wide calls take any path; the file keeps the encoding the system gives it (a new one is ANSI).
std::string Win32IniFile::ReadString(const std::string& path, const std::string& section, const std::string& key) {
    wchar_t value[1024] = {};
    GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"", value, 1024, Widen(path).c_str());
    return Narrow(value);
}

FileResult Win32IniFile::WriteString(const std::string& path,
                                     const std::string& section,
                                     const std::string& key,
                                     const std::string& value) {
    const std::wstring file = Widen(path);
    // The user's read-only mark holds for an administrator under Wine too, as it does on Windows.
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return FileResult::Failed(SystemReason(ERROR_ACCESS_DENIED));
    if (!WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(), file.c_str()))
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

std::string Win32IniFile::UserSettingsFolder() {
    if (!shell32_)
        shell32_.reset(LoadSystemLibrary(L"shell32.dll"));
    using FolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    const auto folderPath = Proc<FolderPathFn>(shell32_.get(), "SHGetFolderPathW");
    wchar_t appData[MAX_PATH] = {};
    if (!folderPath || folderPath(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData) != S_OK || !appData[0])
        return std::string();
    return Narrow(appData) + "\\Dorvanix";
}

bool Win32IniFile::FolderTakesNewFiles(const std::string& folder) {
    // Named for this process, so two copies starting together do not meet; the system removes it at the close.
    const std::wstring probe = Widen(folder) + L"\\meter.ini." + std::to_wstring(GetCurrentProcessId()) + L".probe";
    FileOwner file(CreateFileW(probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.valid();
}

bool Win32IniFile::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

FileResult Win32IniFile::CreateFolder(const std::string& folder) {
    const std::wstring wide = Widen(folder);
    if (CreateDirectoryW(wide.c_str(), nullptr))
        return {};
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (error == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return {};
    return FileResult::Failed(SystemReason(error));
}

// The program's folder in UTF-8; the current folder when the system cannot tell.
std::string Win32IniFile::ProgramFolder() {
    const std::wstring folder = ProgramFolderPath();
    return folder.empty() ? "." : Narrow(folder);
}

}  // namespace dorv
