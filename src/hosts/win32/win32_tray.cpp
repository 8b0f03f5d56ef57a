#include "win32_tray.h"

// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <cwchar>

#include "resource_ids.h"
#include "win32_dpi.h"
#include "win32_system_library.h"
#include "win32_text.h"
#include "win32_window_handle.h"

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

bool Win32Tray::AddTrayIcon(WindowHandle window, const TrayIconView& icon) {
    const bool added = Notify(NIM_ADD, ToHwnd(window), &icon);
    if (added)
        shownOn_ = ToHwnd(window);
    return added;
}

bool Win32Tray::ModifyTrayIcon(WindowHandle window, const TrayIconView& icon) {
    return Notify(NIM_MODIFY, ToHwnd(window), &icon);
}

bool Win32Tray::DeleteTrayIcon(WindowHandle window) {
    shownOn_ = nullptr;
    return Notify(NIM_DELETE, ToHwnd(window), nullptr);
}

void Win32Tray::DeleteLeftover() {
    if (shownOn_ && IsWindow(shownOn_))
        DeleteTrayIcon(ToHandle(shownOn_));
    shownOn_ = nullptr;
}

bool Win32Tray::Notify(DWORD action, HWND window, const TrayIconView* icon) {
    NOTIFYICONDATAW data{};
    // The version 2 record: every shell since Windows 2000 takes it, and nothing newer is used.
    data.cbSize = static_cast<DWORD>(NOTIFYICONDATAW_V2_SIZE);
    data.hWnd = window;
    data.uID = kTrayIconId;
    if (icon) {
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = kTrayCallback;
        data.hIcon = Picture(*icon);
        CopyTip(icon->tip, data.szTip);
    }
    if (!shell32_) {
        // No icon was ever added, so there is none to delete (the shell would answer FALSE too).
        if (action == NIM_DELETE)
            return false;
        shell32_.reset(LoadSystemLibrary(L"shell32.dll"));
    }
    using NotifyFn = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
    const auto notify = Proc<NotifyFn>(shell32_.get(), "Shell_NotifyIconW");
    return notify && notify(action, &data) != FALSE;
}

HICON Win32Tray::Picture(const TrayIconView& icon) {
    if (!picturesLoaded_) {
        picturesLoaded_ = true;
        // The notification area shows small icons at the system's dpi; each file holds 16 to 32 pixel images.
        const int width = SmallIconSize(DpiOf(nullptr));
        const int height = width;
        auto load = [&](int id) {
            return IconOwner(
                static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, 0)));
        };
        for (int i = 0; i < kIconsPerSet; ++i) {
            pictures_[static_cast<std::size_t>(i)] = load(IDI_TRAY_NORMAL_0 + i);
            pictures_[static_cast<std::size_t>(kIconsPerSet + i)] = load(IDI_TRAY_LIT_0 + i);
        }
    }
    const int index = std::clamp(icon.index, 0, kIconsPerSet - 1);
    const int set = icon.set == TrayIconSet::Lit ? kIconsPerSet : 0;
    return pictures_[static_cast<std::size_t>(set + index)].get();
}

}  // namespace dorv
