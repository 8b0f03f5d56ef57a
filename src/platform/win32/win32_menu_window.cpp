#include <memory>
#include <type_traits>

#include "app/meter_events.h"
#include "win32_host.h"
#include "win32_text.h"

namespace dorv {
namespace {

constexpr wchar_t kMenuClass[] = L"DorvanixMenuFrm";

// The popup menu lives for one TrackPopup; this is its one release point.
struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

}  // namespace

WindowHandle Win32Host::CreateMenuWindow() {
    if (menu_)
        return ToHandle(menu_);
    RegisterWindowClass(kMenuClass, MenuWindowProc);
    // A real top-level window, not a message-only one: those never get the shell's "TaskbarCreated" broadcast.
    // The tool-window style keeps it off the taskbar should anything ever show it.
    menu_ = CreateWindowExW(WS_EX_TOOLWINDOW, kMenuClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_, this);
    return ToHandle(menu_);
}

LRESULT CALLBACK Win32Host::MenuWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(hwnd, message, wParam, lParam, &Win32Host::HandleMenuMessage);
}

LRESULT Win32Host::HandleMenuMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // The shell (re)started: every notification-area icon is gone; the core adds its own again.
        if (app_ && !ending_)
            OnTaskbarCreated(*app_);
        return 0;
    }
    if (LRESULT result = 0; HandleQuitMessage(message, wParam, result))
        return result;
    switch (message) {
        case kTrayCallback:
            if (app_ && !ending_)
                OnTrayCallback(*app_, static_cast<unsigned>(lParam & 0xFFFF));
            return 0;
        case WM_TIMER:
            if (app_ && !ending_ && wParam >= 1 && wParam <= 4)
                OnMenuTimer(*app_, static_cast<TimerId>(wParam));
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            if (hwnd == menu_)
                menu_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int Win32Host::TrackPopup(WindowHandle owner, const std::vector<MenuItemView>& items) {
    if (menuOpen_)
        return 0;
    MenuHandle owned(CreatePopupMenu());
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
    menuOpen_ = true;
    const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y,
                                       0, ownerWindow, nullptr);
    menuOpen_ = false;
    PostMessageW(ownerWindow, WM_NULL, 0, 0);
    // The menu's loop swallows a quit posted while it ran (a close while the menu was open): post it again.
    if (ending_) {
        PostQuitMessage(0);
        return 0;
    }
    return static_cast<int>(chosen);
}

bool Win32Host::AskYesNo(WindowHandle owner, const std::string& title, const std::string& text) {
    const std::wstring wideTitle = Widen(title);
    const std::wstring wideText = Widen(text);
    return MessageBoxW(ToHwnd(owner), wideText.c_str(), wideTitle.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32Host::ShowMessage(WindowHandle owner, const std::string& title, const std::string& text, MessageIcon icon) {
    UINT style = MB_OK;
    switch (icon) {
        case MessageIcon::None:
            break;
        case MessageIcon::Information:
            style |= MB_ICONINFORMATION;
            break;
        case MessageIcon::Warning:
            style |= MB_ICONWARNING;
            break;
        case MessageIcon::Critical:
            style |= MB_ICONERROR;
            break;
    }
    const std::wstring wideTitle = Widen(title);
    const std::wstring wideText = Widen(text);
    MessageBoxW(ToHwnd(owner), wideText.c_str(), wideTitle.c_str(), style);
}

}  // namespace dorv
