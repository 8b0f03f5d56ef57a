#include "win32_program_folder.h"

#include <windows.h>

namespace dorv {

std::wstring ProgramFolderPath() {
    // Room for the longest path the system allows; a cut-off name would point into the wrong folder.
    std::wstring module(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
    if (length == 0 || length >= module.size())
        return std::wstring();
    module.resize(length);
    const std::size_t slash = module.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : module.substr(0, slash);
}

}  // namespace dorv
