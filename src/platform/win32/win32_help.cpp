#include <string>

#include "win32_host.h"
#include "win32_system_library.h"
#include "win32_text.h"

namespace dorv {
namespace {

using HtmlHelpWFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
constexpr UINT kDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC
constexpr UINT kCloseAll = 0x0012;      // HH_CLOSE_ALL

// The folder of the running exe, wide, so any folder name works.
std::wstring ProgramFolderWide() {
    std::wstring module(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
    if (length == 0 || length >= module.size())
        return std::wstring();
    module.resize(length);
    const std::size_t slash = module.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : module.substr(0, slash);
}

}  // namespace

void Win32Host::ShowHelp(WindowHandle owner, const std::string& file, const std::string& topic) {
    const std::wstring folder = ProgramFolderWide();
    if (folder.empty() || file.empty())
        return;
    std::wstring path = folder + L"\\" + Widen(file);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    // The viewer comes from the system folder only, like every DLL this program loads.
    if (!hhctrl_)
        hhctrl_ = LoadSystemLibrary(L"hhctrl.ocx");
    auto htmlHelp = Proc<HtmlHelpWFn>(hhctrl_, "HtmlHelpW");
    if (!htmlHelp)
        return;
    if (!topic.empty())
        path += L"::/" + Widen(topic[0] == '/' ? topic.substr(1) : topic);
    helpShown_ = true;
    htmlHelp(ToHwnd(owner), path.c_str(), kDisplayTopic, 0);
}

void Win32Host::CloseHelp() {
    // Help windows run in this thread and use the library: closed before it is freed.
    if (!helpShown_)
        return;
    helpShown_ = false;
    if (auto htmlHelp = Proc<HtmlHelpWFn>(hhctrl_, "HtmlHelpW"))
        htmlHelp(nullptr, nullptr, kCloseAll, 0);
}

}  // namespace dorv
