#include "app/meter_events.h"
#include "win32_tray.h"
#include "win32_window_handle.h"
#include "win32_windows.h"

namespace dorv {
namespace {

constexpr wchar_t kMenuClass[] = L"DorvanixMenuFrm";

// The tray callback's mouse message, in the core's own terms.
TrayMouseEvent TrayEventOf(LPARAM lParam) {
    switch (LOWORD(lParam)) {
        case WM_LBUTTONDBLCLK:
            return TrayMouseEvent::LeftDoubleClick;
        case WM_RBUTTONUP:
            return TrayMouseEvent::RightButtonUp;
        default:
            return TrayMouseEvent::Other;
    }
}

}  // namespace

WindowHandle Win32Windows::CreateMenuWindow() {
    if (menu_)
        return ToHandle(menu_.get());
    RegisterWindowClass(kMenuClass, MenuWindowProc);
    // A real top-level window, not a message-only one: those never get the shell's "TaskbarCreated" broadcast.
    // The tool-window style keeps it off the taskbar should anything ever show it.
    menu_.reset(
        CreateWindowExW(WS_EX_TOOLWINDOW, kMenuClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_, this));
    return ToHandle(menu_.get());
}

LRESULT CALLBACK Win32Windows::MenuWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(hwnd, message, wParam, lParam, &Win32Windows::HandleMenuMessage);
}

LRESULT Win32Windows::HandleMenuMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // The shell (re)started: every notification-area icon is gone; the core adds its own again.
        if (MeterApp* app = events_.App())
            OnTaskbarCreated(*app);
        return 0;
    }
    if (LRESULT result = 0; HandleQuitMessage(message, wParam, result))
        return result;
    switch (message) {
        case kTrayCallback:
            if (MeterApp* app = events_.App())
                OnTrayCallback(*app, TrayEventOf(lParam));
            return 0;
        case WM_TIMER:
            events_.Timer(wParam);
            return 0;
        // Broadcast to top-level windows, invisible unowned ones included: this one hears them even while the
        // (owned) dial is hidden.
        case WM_DISPLAYCHANGE:
            if (MeterApp* app = events_.App())
                OnDisplayChanged(*app);
            break;
        case WM_SETTINGCHANGE:
            if (MeterApp* app = events_.App(); app && wParam == SPI_SETWORKAREA)
                OnDisplayChanged(*app);
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace dorv
