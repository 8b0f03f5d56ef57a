#include "win32_system_library.h"

#include <string>

namespace dorv {

HMODULE LoadSystemLibrary(const wchar_t* name) {
    // By name, so the manifest's side-by-side redirection still applies (comctl32 comes as version 6), with the
    // search limited to the system folder.
    if (HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return module;
    // Systems without the search flags refuse it as a parameter: the full path there.
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return nullptr;
    wchar_t folder[MAX_PATH] = {};
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace dorv
