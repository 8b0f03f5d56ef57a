#pragma once
// The host's three windows and their procedures: the dial (DorvanixMeterFrm), its hidden owner (DorvanixOwner)
// and the hidden menu window (DorvanixMenuFrm). Their messages become calls of the core's handlers.
#include <windows.h>

#include <vector>

#include "platform/window.h"
#include "win32_dial_drawing.h"
#include "win32_dialogs.h"
#include "win32_events.h"
#include "win32_handles.h"

namespace dorv {

class Win32Windows final : public WindowSystem {
public:
    Win32Windows(HINSTANCE instance, Win32Events& events, Win32DialDrawing& drawing, Win32Dialogs& dialogs);
    ~Win32Windows() override;
    Win32Windows(const Win32Windows&) = delete;
    Win32Windows& operator=(const Win32Windows&) = delete;

    WindowHandle CreateMeterWindow(const char* title, PixelSize size) override;
    WindowHandle CreateMenuWindow() override;
    PixelPoint WindowPosition(WindowHandle window) override;
    PixelSize WindowSize(WindowHandle window) override;
    void MoveWindow(WindowHandle window, PixelPoint topLeft) override;
    void HideWindow(WindowHandle window) override;
    int SetWindowStacking(WindowHandle window, bool topmost) override;
    void AttachEllipticRegion(WindowHandle window, int left, int top, int right, int bottom) override;
    void MakeLayered(WindowHandle window, std::uint8_t alpha) override;
    void BeginWindowDrag(WindowHandle window) override;
    void SetForegroundWindow(WindowHandle window) override;
    bool AskYesNo(WindowHandle owner, const std::string& title, const std::string& text) override;
    void ShowMessage(WindowHandle owner, const std::string& title, const std::string& text, MessageIcon icon) override;
    void InvalidateWindow(WindowHandle window) override;
    PixelRect NearestMonitor(PixelRect rect) override;
    int WindowDpi(WindowHandle window) override;
    void Beep() override;

private:
    using MessageHandler = LRESULT (Win32Windows::*)(HWND, UINT, WPARAM, LPARAM);

    // Window procedures: this object rides in GWLP_USERDATA from WM_NCCREATE on, and no exception leaves them.
    static LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, MessageHandler handler);
    static LRESULT CALLBACK DialWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MenuWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void RegisterWindowClass(const wchar_t* name, WNDPROC procedure);
    // Close and end of session reach every top-level window (taskkill, logoff); true when handled.
    bool HandleQuitMessage(UINT message, WPARAM wParam, LRESULT& result);
    // A window the system destroyed is no longer ours to destroy.
    void Forget(HWND hwnd);

    // The dial and its hidden owner (win32_dial_window.cpp).
    LRESULT HandleDialMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void HandleDialMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void MoveToNewDpi(HWND hwnd, int dpi, const RECT& suggested);

    // The menu window (win32_menu_window.cpp).
    LRESULT HandleMenuMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    Win32Events& events_;
    Win32DialDrawing& drawing_;
    Win32Dialogs& dialogs_;
    UINT taskbarCreated_ = 0;

    // The classes registered, unregistered at the end, then their icons released.
    IconOwner classIcon_;
    IconOwner classIconSmall_;
    std::vector<const wchar_t*> classes_;

    WindowOwner owner_;  // hidden owner of the dial; destroying it takes the dial along
    HWND dial_ = nullptr;
    WindowOwner menu_;  // never shown: tray callbacks, shell broadcasts, popup menu owner
};

}  // namespace dorv
