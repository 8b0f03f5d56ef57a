#include <cstdint>
#include <string>

#include "app/meter_events.h"
#include "win32_text.h"
#include "win32_window_handle.h"
#include "win32_windows.h"

namespace dorv {
namespace {

constexpr wchar_t kDialClass[] = L"DorvanixMeterFrm";
constexpr wchar_t kOwnerClass[] = L"DorvanixOwner";

// Client coordinates are signed: with the mouse captured they run past the window's edges.
int PointX(LPARAM lParam) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lParam & 0xFFFF));
}

int PointY(LPARAM lParam) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((lParam >> 16) & 0xFFFF));
}

// The keys as they were when the message was queued; the MK_ flags have no Alt.
int Modifiers() {
    int keys = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        keys |= ShiftKey;
    if (GetKeyState(VK_CONTROL) < 0)
        keys |= CtrlKey;
    if (GetKeyState(VK_MENU) < 0)
        keys |= AltKey;
    return keys;
}

int ButtonsDown(WPARAM wParam) {
    int buttons = 0;
    if (wParam & MK_LBUTTON)
        buttons |= LeftButton;
    if (wParam & MK_RBUTTON)
        buttons |= RightButton;
    if (wParam & MK_MBUTTON)
        buttons |= MiddleButton;
    return buttons;
}

MouseButton ButtonOf(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return RightButton;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return MiddleButton;
        default:
            return LeftButton;
    }
}

}  // namespace

WindowHandle Win32Windows::CreateMeterWindow(const char* title, PixelSize size) {
    RegisterWindowClass(kDialClass, DialWindowProc);
    RegisterWindowClass(kOwnerClass, DialWindowProc);
    drawing_.Create(instance_);
    // Owned by a hidden window, the dial gets no taskbar button yet keeps a plain extended style, which
    // the translucency replaces wholesale. The owner shares the window procedure, so a close sent to it
    // (taskkill reaches every top-level window) quits in the same orderly way.
    const std::wstring caption = Widen(title ? title : "");
    owner_.reset(
        CreateWindowExW(0, kOwnerClass, caption.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_, this));
    // It owns the dialogs too: no taskbar buttons of their own, and they go with the program.
    dialogs_.SetOwner(owner_.get());
    dial_ = CreateWindowExW(0, kDialClass, caption.c_str(), WS_POPUP, 0, 0, size.width, size.height, owner_.get(),
                            nullptr, instance_, this);
    return ToHandle(dial_);
}

LRESULT CALLBACK Win32Windows::DialWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(hwnd, message, wParam, lParam, &Win32Windows::HandleDialMessage);
}

LRESULT Win32Windows::HandleDialMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; HandleQuitMessage(message, wParam, result))
        return result;
    switch (message) {
        case WM_TIMER:
            events_.Timer(wParam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_MOUSEMOVE:
            if (hwnd == dial_)
                HandleDialMouse(hwnd, message, wParam, lParam);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_DPICHANGED:
            if (hwnd != dial_)
                break;
            MoveToNewDpi(hwnd, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_PAINT: {
            if (hwnd != dial_)
                break;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            drawing_.Paint(dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The system suggests a rectangle that keeps the dial under the pointer while it is dragged across; the core
// then draws it again at the new scale.
void Win32Windows::MoveToNewDpi(HWND hwnd, int dpi, const RECT& suggested) {
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (MeterApp* app = events_.App())
        OnDialDpiChanged(*app, dpi);
}

void Win32Windows::HandleDialMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = PointX(lParam);
    const int y = PointY(lParam);
    const int modifiers = Modifiers();
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // The dial keeps the mouse from a press to the last release, so the release always comes back here.
            if (GetCapture() != hwnd)
                SetCapture(hwnd);
            if (MeterApp* app = events_.App())
                OnDialMouseDown(*app, ButtonOf(message), modifiers, x, y);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            // Released before the core runs: it may open a menu or a message box from here.
            if (ButtonsDown(wParam) == 0 && GetCapture() == hwnd)
                ReleaseCapture();
            if (MeterApp* app = events_.App())
                OnDialMouseUp(*app, ButtonOf(message), modifiers, x, y);
            break;
        default:
            if (MeterApp* app = events_.App())
                OnDialMouseMove(*app, ButtonsDown(wParam), modifiers, x, y);
            break;
    }
}

}  // namespace dorv
