#pragma once
// The popup menu, made from the core's rows for one TrackPopup.
#include <windows.h>

#include "platform/popup_menu.h"
#include "win32_events.h"

namespace dorv {

class Win32PopupMenu final : public PopupMenu {
public:
    explicit Win32PopupMenu(Win32Events& events) : events_(events) {}

    int TrackPopup(WindowHandle owner, const std::vector<MenuItemView>& items) override;
    // Closes a menu that is tracking, whose loop would swallow the program's quit.
    void CloseIfOpen();

private:
    Win32Events& events_;
    bool open_ = false;  // a popup menu is tracking; a second one at once would fail anyway
};

}  // namespace dorv
