#include "win32_host.h"

#include "app/meter_events.h"
#include "resource_ids.h"

namespace dorv {

Win32Host::Win32Host(HINSTANCE instance)
    : instance_(instance), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")), dialogs_(instance) {}

Win32Host::~Win32Host() {
    // The app is gone by now: nothing may reach its handlers while the windows go.
    app_ = nullptr;
    ending_ = true;
    dialogs_.Detach();
    CloseHelp();
    // Quit deletes the icon; a run that ended otherwise must not leave a dead icon in the notification area.
    if (trayShown_ && menu_)
        DeleteTrayIcon(ToHandle(menu_));
    if (menu_)
        DestroyWindow(menu_);
    if (owner_)
        DestroyWindow(owner_);
    ReleaseTrayPictures();
    if (hhctrl_)
        FreeLibrary(hhctrl_);
    CloseProcessorQuery();
    if (pdh_)
        FreeLibrary(pdh_);
}

int Win32Host::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // The open dialogs' keys first (Tab, Enter, Esc, access keys).
        if (dialogs_.PreTranslateMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void Win32Host::RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance_, name, &wc))
        return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    // Shared icons: the system owns them and frees them with the module.
    wc.hIcon = static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    wc.hIconSm =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

LRESULT Win32Host::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, MessageHandler handler) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<Win32Host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!host)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return (host->*handler)(hwnd, message, wParam, lParam);
    } catch (...) {
        // The core's state is unknown after a throw: end the run rather than keep ticking on it.
        host->ending_ = true;
        host->dialogs_.Detach();
        PostQuitMessage(1);
        return 0;
    }
}

// A second close arriving while Quit pumps messages is ignored by the core itself.
void Win32Host::RequestClose() {
    if (app_ && !ending_)
        OnMeterCloseRequest(*app_);
}

bool Win32Host::HandleQuitMessage(UINT message, WPARAM wParam, LRESULT& result) {
    switch (message) {
        case WM_CLOSE:
            // An orderly Quit: unload, save, exit; never a bare destroy.
            RequestClose();
            result = 0;
            return true;
        case WM_QUERYENDSESSION:
            result = TRUE;
            return true;
        case WM_ENDSESSION:
            if (wParam && app_ && !ending_)
                OnSessionEnd(*app_);
            result = 0;
            return true;
        default:
            return false;
    }
}

void Win32Host::SetTimerInterval(WindowHandle window, TimerId timer, int intervalMs) {
    auto id = static_cast<UINT_PTR>(timer);
    if (intervalMs > 0)
        SetTimer(ToHwnd(window), id, static_cast<UINT>(intervalMs), nullptr);
    else
        KillTimer(ToHwnd(window), id);
}

void Win32Host::PumpMessagesOnce() {
    // Every window of this thread: the dial, its owner, the menu window and the open dialogs.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the main loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (dialogs_.PreTranslateMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Win32Host::EndProgram() {
    ending_ = true;
    dialogs_.Detach();
    PostQuitMessage(0);
    // A quit reached from inside the popup's loop: close the menu, whose loop would swallow the quit.
    if (menuOpen_)
        EndMenu();
}

void Win32Host::Beep() {
    MessageBeep(MB_OK);
}

OsVersionInfo Win32Host::QueryVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes: the plain record, not the extended one
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    BOOL ok = GetVersionExA(&info);
    if (!ok)
        return OsVersionInfo{};
    return OsVersionInfo{true, info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

}  // namespace dorv
