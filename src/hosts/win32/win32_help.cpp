#include "win32_help.h"

#include <string>

#include "win32_dpi.h"
#include "win32_program_folder.h"
#include "win32_system_library.h"
#include "win32_text.h"
#include "win32_window_handle.h"

namespace dorv {
namespace {

using HtmlHelpWFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
constexpr UINT kDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC
constexpr UINT kCloseAll = 0x0012;      // HH_CLOSE_ALL

}  // namespace

void Win32Help::ShowHelp(WindowHandle owner, const std::string& file, const std::string& topic) {
    const std::wstring folder = ProgramFolderPath();
    if (folder.empty() || file.empty())
        return;
    std::wstring path = folder + L"\\" + Widen(file);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    // The viewer comes from the system folder only, like every DLL this program loads.
    if (!hhctrl_)
        hhctrl_.reset(LoadSystemLibrary(L"hhctrl.ocx"));
    auto htmlHelp = Proc<HtmlHelpWFn>(hhctrl_.get(), "HtmlHelpW");
    if (!htmlHelp)
        return;
    if (!topic.empty())
        path += L"::/" + Widen(topic[0] == '/' ? topic.substr(1) : topic);
    shown_ = true;
    // The viewer does not follow a change of scale: made system-aware, the system stretches it instead.
    const SystemAwareScope systemAware;
    htmlHelp(ToHwnd(owner), path.c_str(), kDisplayTopic, 0);
}

// Before the library is freed, and before the windows that own the viewer go.
void Win32Help::CloseAll() {
    if (!shown_)
        return;
    shown_ = false;
    if (auto htmlHelp = Proc<HtmlHelpWFn>(hhctrl_.get(), "HtmlHelpW"))
        htmlHelp(nullptr, nullptr, kCloseAll, 0);
}

}  // namespace dorv
