#include "win32_host.h"

namespace dorv {

Win32Host::Win32Host(HINSTANCE instance) : instance_(instance) {}

Win32Host::~Win32Host() {
    CloseProcessorQuery();
    if (pdh_)
        FreeLibrary(pdh_);
    if (owner_)
        DestroyWindow(owner_);
}

int Win32Host::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void Win32Host::SetTimerInterval(WindowHandle window, TimerId timer, int intervalMs) {
    auto id = static_cast<UINT_PTR>(timer);
    if (intervalMs > 0)
        SetTimer(ToHwnd(window), id, static_cast<UINT>(intervalMs), nullptr);
    else
        KillTimer(ToHwnd(window), id);
}

void Win32Host::PumpMessagesOnce() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the main loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Win32Host::EndProgram() {
    ending_ = true;
    PostQuitMessage(0);
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
