#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <cwchar>

#include "resource_ids.h"
#include "win32_host.h"
#include "win32_text.h"

namespace dorv {
namespace {

constexpr UINT kTrayIconId = 1;
constexpr std::size_t kTipCharacters = 63;

// The tip as the shell shows it: at most 63 characters, never half a surrogate pair.
template <std::size_t N>
void CopyTip(const std::string& utf8, wchar_t (&tip)[N]) {
    static_assert(N > kTipCharacters);
    std::wstring wide = Widen(utf8);
    if (wide.size() > kTipCharacters) {
        wide.resize(kTipCharacters);
        if (wide.back() >= 0xD800 && wide.back() <= 0xDBFF)
            wide.pop_back();
    }
    std::wmemcpy(tip, wide.data(), wide.size());
    tip[wide.size()] = L'\0';
}

}  // namespace

bool Win32Host::AddTrayIcon(WindowHandle window, const TrayIconView& icon) {
    const bool added = NotifyTray(NIM_ADD, window, &icon);
    if (added)
        trayShown_ = true;
    return added;
}

bool Win32Host::ModifyTrayIcon(WindowHandle window, const TrayIconView& icon) {
    return NotifyTray(NIM_MODIFY, window, &icon);
}

bool Win32Host::DeleteTrayIcon(WindowHandle window) {
    trayShown_ = false;
    return NotifyTray(NIM_DELETE, window, nullptr);
}

bool Win32Host::NotifyTray(DWORD action, WindowHandle window, const TrayIconView* icon) {
    NOTIFYICONDATAW data{};
    // The version 2 record: every shell since Windows 2000 takes it, and nothing newer is used.
    data.cbSize = static_cast<DWORD>(NOTIFYICONDATAW_V2_SIZE);
    data.hWnd = ToHwnd(window);
    data.uID = kTrayIconId;
    if (icon) {
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = kTrayCallback;
        data.hIcon = TrayIconHandle(*icon);
        CopyTip(icon->tip, data.szTip);
    }
    return Shell_NotifyIconW(action, &data) != FALSE;
}

HICON Win32Host::TrayIconHandle(const TrayIconView& icon) {
    if (!trayIconsLoaded_) {
        // Loaded once and owned here (not shared): the shell keeps its own copy of whatever it is given.
        trayIconsLoaded_ = true;
        const int width = GetSystemMetrics(SM_CXSMICON) > 0 ? GetSystemMetrics(SM_CXSMICON) : 16;
        const int height = GetSystemMetrics(SM_CYSMICON) > 0 ? GetSystemMetrics(SM_CYSMICON) : 16;
        for (int i = 0; i < kTrayIconsPerSet; ++i) {
            trayIcons_[static_cast<std::size_t>(i)] = static_cast<HICON>(
                LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TRAY_NORMAL_0 + i), IMAGE_ICON, width, height, 0));
            trayIcons_[static_cast<std::size_t>(kTrayIconsPerSet + i)] = static_cast<HICON>(
                LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TRAY_LIT_0 + i), IMAGE_ICON, width, height, 0));
        }
    }
    const int index = std::clamp(icon.index, 0, kTrayIconsPerSet - 1);
    const int set = icon.set == TrayIconSet::Lit ? kTrayIconsPerSet : 0;
    return trayIcons_[static_cast<std::size_t>(set + index)];
}

void Win32Host::ReleaseTrayPictures() {
    for (HICON& handle : trayIcons_) {
        if (handle)
            DestroyIcon(handle);
        handle = nullptr;
    }
    trayIconsLoaded_ = false;
}

}  // namespace dorv
