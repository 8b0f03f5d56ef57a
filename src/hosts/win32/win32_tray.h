#pragma once
// The notification-area icon: its pictures, and the icon itself while it is shown.
#include <windows.h>

#include <array>

#include "platform/tray.h"
#include "win32_handles.h"

namespace dorv {

// The icon's callback reaches the menu window as this message of the program's own range, with the mouse message in
// lParam's low word: no system message can be mistaken for it.
inline constexpr UINT kTrayCallback = WM_APP + 1;

class Win32Tray final : public TrayIcons {
public:
    explicit Win32Tray(HINSTANCE instance) : instance_(instance) {}
    // Quit deletes the icon; a run that ended otherwise must not leave a dead icon in the notification area.
    // Before shell32 is freed (a member).
    ~Win32Tray() override { DeleteLeftover(); }
    Win32Tray(const Win32Tray&) = delete;
    Win32Tray& operator=(const Win32Tray&) = delete;

    bool AddTrayIcon(WindowHandle window, const TrayIconView& icon) override;
    bool ModifyTrayIcon(WindowHandle window, const TrayIconView& icon) override;
    bool DeleteTrayIcon(WindowHandle window) override;
    // Deletes the icon if it is still shown; called while its window still exists.
    void DeleteLeftover();

private:
    bool Notify(DWORD action, HWND window, const TrayIconView* icon);
    HICON Picture(const TrayIconView& icon);

    static constexpr int kIconsPerSet = 11;
    HINSTANCE instance_;
    // The 22 pictures, loaded at first use. The shell keeps its own copy of whatever it is given.
    std::array<IconOwner, 2 * kIconsPerSet> pictures_{};
    bool picturesLoaded_ = false;
    HWND shownOn_ = nullptr;  // the window of the icon added and not deleted since
    ModuleOwner shell32_;     // loaded at the first icon and kept; the icon is off at the defaults
};

}  // namespace dorv
