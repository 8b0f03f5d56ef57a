#include "win32_popup_menu.h"

#include "win32_handles.h"
#include "win32_text.h"
#include "win32_window_handle.h"

namespace dorv {

int Win32PopupMenu::TrackPopup(WindowHandle owner, const std::vector<MenuItemView>& items) {
    if (open_)
        return 0;
    const MenuOwner owned(CreatePopupMenu());
    HMENU menu = owned.get();
    if (!menu)
        return 0;
    for (const MenuItemView& item : items) {
        if (item.id == 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING;
        if (item.checked)
            flags |= MF_CHECKED;
        if (!item.enabled)
            flags |= MF_GRAYED;
        const std::wstring caption = Widen(item.caption);
        AppendMenuW(menu, flags, static_cast<UINT_PTR>(item.id), caption.c_str());
        if (item.isDefault)
            SetMenuDefaultItem(menu, static_cast<UINT>(item.id), FALSE);
    }
    // The notification-area rules: the owner in front first, or the menu never closes on a click elsewhere;
    // after it, a message to the owner so a second opening works at once.
    HWND ownerWindow = ToHwnd(owner);
    ::SetForegroundWindow(ownerWindow);
    POINT at{};
    GetCursorPos(&at);
    open_ = true;
    const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y,
                                       0, ownerWindow, nullptr);
    open_ = false;
    PostMessageW(ownerWindow, WM_NULL, 0, 0);
    // The menu's loop swallows a quit posted while it ran (a close while the menu was open): post it again.
    if (events_.Ending()) {
        PostQuitMessage(0);
        return 0;
    }
    return static_cast<int>(chosen);
}

void Win32PopupMenu::CloseIfOpen() {
    if (open_)
        EndMenu();
}

}  // namespace dorv
