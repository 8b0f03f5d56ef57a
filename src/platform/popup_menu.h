#pragma once
// The popup menu, built by the host from a table and shown at the pointer.
#include <string>
#include <vector>

#include "platform/window.h"

namespace dorv {

struct MenuItemView {
    int id = 0;           // 0 for a separator
    std::string caption;  // UTF-8, "&" before the access key
    bool checked = false;
    bool enabled = true;
    bool isDefault = false;  // drawn bold
};

class PopupMenu {
public:
    virtual ~PopupMenu() = default;

    // Shows the items at the pointer, owned by the window; returns the chosen id, or 0 when the menu
    // closed without a choice. Modal: timers keep ticking meanwhile.
    virtual int TrackPopup(WindowHandle owner, const std::vector<MenuItemView>& items) = 0;
};

}  // namespace dorv
