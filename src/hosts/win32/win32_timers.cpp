#include "win32_timers.h"

#include "win32_window_handle.h"

namespace dorv {

void Win32Timers::Deliver(MSG& msg) {
    // The open dialogs' keys first (Tab, Enter, Esc, access keys).
    if (dialogs_.PreTranslateMessage(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int Win32Timers::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        Deliver(msg);
    return static_cast<int>(msg.wParam);
}

void Win32Timers::SetTimerInterval(WindowHandle window, TimerId timer, int intervalMs) {
    // Ticks come back as WM_TIMER with the core's id, whichever window holds the timer.
    auto id = static_cast<UINT_PTR>(timer);
    if (intervalMs > 0)
        SetTimer(ToHwnd(window), id, static_cast<UINT>(intervalMs), nullptr);
    else
        KillTimer(ToHwnd(window), id);
}

void Win32Timers::PumpMessagesOnce() {
    // Every window of this thread: the dial, its owner, the menu window and the open dialogs.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the main loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Deliver(msg);
    }
}

void Win32Timers::EndProgram() {
    events_.End(0);
}

}  // namespace dorv
