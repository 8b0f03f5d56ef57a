#include "win32_host.h"

namespace dorv {

std::string Win32Host::ReadString(const std::string& path, const std::string& section, const std::string& key) {
    char value[1024] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof value, path.c_str());
    return value;
}

void Win32Host::WriteString(const std::string& path,
                            const std::string& section,
                            const std::string& key,
                            const std::string& value) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

// The program's folder in the ANSI code page, since the private-profile calls take ANSI paths;
// a folder name the code page cannot spell falls back to its short form.
std::string Win32Host::ProgramFolder() {
    wchar_t module[MAX_PATH * 2] = {};
    DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2)
        return ".";
    std::wstring folder(module, length);
    folder.erase(folder.find_last_of(L"\\/"));
    auto toAnsi = [](const std::wstring& wide, bool& lossy) {
        BOOL usedDefault = FALSE;
        int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, &usedDefault);
        std::string ansi(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), size, nullptr, &usedDefault);
        ansi.resize(ansi.find('\0'));
        lossy = usedDefault != FALSE;
        return ansi;
    };
    bool lossy = false;
    std::string ansi = toAnsi(folder, lossy);
    if (lossy) {
        wchar_t shortName[MAX_PATH * 2] = {};
        DWORD shortLength = GetShortPathNameW(folder.c_str(), shortName, MAX_PATH * 2);
        if (shortLength > 0 && shortLength < MAX_PATH * 2)
            ansi = toAnsi(shortName, lossy);
    }
    return ansi;
}

}  // namespace dorv
