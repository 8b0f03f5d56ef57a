#pragma once
// The notification-area icon of the menu window.
#include <string>

#include "platform/window.h"

namespace dorv {

enum class TrayIconSet { Normal, Lit };

struct TrayIconView {
    TrayIconSet set = TrayIconSet::Normal;
    int index = 0;    // 0..10: the value band in tens of percent
    std::string tip;  // UTF-8, at most 63 characters are shown
};

class TrayIcons {
public:
    virtual ~TrayIcons() = default;

    // The icon of the window, id 1; its mouse messages come back through the window's tray callback.
    // False when the shell refused (not running yet, or the icon exists already).
    virtual bool AddTrayIcon(WindowHandle window, const TrayIconView& icon) = 0;
    virtual bool ModifyTrayIcon(WindowHandle window, const TrayIconView& icon) = 0;
    virtual bool DeleteTrayIcon(WindowHandle window) = 0;
};

}  // namespace dorv
