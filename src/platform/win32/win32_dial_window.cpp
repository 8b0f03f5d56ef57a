#include <cstdint>
#include <string>

#include "app/meter_events.h"
#include "win32_host.h"
#include "win32_text.h"

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

WindowHandle Win32Host::CreateMeterWindow(const char* title, PixelSize size) {
    RegisterWindowClass(kDialClass, DialWindowProc);
    RegisterWindowClass(kOwnerClass, DialWindowProc);
    painter_.Create(instance_, size.width);
    // Owned by a hidden window, the dial gets no taskbar button yet keeps a plain extended style, which
    // the translucency replaces wholesale. The owner shares the window procedure, so a close sent to it
    // (taskkill reaches every top-level window) quits in the same orderly way.
    const std::wstring caption = Widen(title ? title : "");
    owner_ = CreateWindowExW(0, kOwnerClass, caption.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_, this);
    // It owns the dialogs too: no taskbar buttons of their own, and they go with the program.
    dialogs_.SetOwner(owner_);
    dial_ = CreateWindowExW(0, kDialClass, caption.c_str(), WS_POPUP, 0, 0, size.width, size.height, owner_, nullptr,
                            instance_, this);
    return ToHandle(dial_);
}

PixelPoint Win32Host::WindowPosition(WindowHandle window) {
    RECT r{};
    GetWindowRect(ToHwnd(window), &r);
    return PixelPoint{r.left, r.top};
}

PixelSize Win32Host::WindowSize(WindowHandle window) {
    RECT r{};
    GetWindowRect(ToHwnd(window), &r);
    return PixelSize{r.right - r.left, r.bottom - r.top};
}

void Win32Host::MoveWindow(WindowHandle window, PixelPoint topLeft) {
    SetWindowPos(ToHwnd(window), nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Host::HideWindow(WindowHandle window) {
    ShowWindow(ToHwnd(window), SW_HIDE);
}

int Win32Host::SetWindowStacking(WindowHandle window, bool topmost) {
    return SetWindowPos(ToHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

void Win32Host::AttachEllipticRegion(WindowHandle window, int left, int top, int right, int bottom) {
    HRGN region = CreateEllipticRgn(left, top, right, bottom);
    // On success the window owns the region and frees it; only a refused region is ours to delete.
    if (region && !SetWindowRgn(ToHwnd(window), region, TRUE))
        DeleteObject(region);
}

void Win32Host::MakeLayered(WindowHandle window, std::uint8_t alpha) {
    SetWindowLongW(ToHwnd(window), GWL_EXSTYLE, WS_EX_LAYERED);
    SetLayeredWindowAttributes(ToHwnd(window), 0, alpha, LWA_ALPHA);
}

void Win32Host::BeginWindowDrag(WindowHandle window) {
    // The caption hit starts the system's move loop, which returns once the button is up.
    ReleaseCapture();
    SendMessageW(ToHwnd(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    // The move loop swallows a quit posted while it ran (a close during the drag): post it again.
    if (ending_)
        PostQuitMessage(0);
}

void Win32Host::SetForegroundWindow(WindowHandle window) {
    ::SetForegroundWindow(ToHwnd(window));
}

void Win32Host::InvalidateWindow(WindowHandle window) {
    InvalidateRect(ToHwnd(window), nullptr, FALSE);
}

LRESULT CALLBACK Win32Host::DialWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(hwnd, message, wParam, lParam, &Win32Host::HandleDialMessage);
}

LRESULT Win32Host::HandleDialMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; HandleQuitMessage(message, wParam, result))
        return result;
    switch (message) {
        case WM_TIMER:
            if (app_ && !ending_ && hwnd == dial_ && wParam >= 1 && wParam <= 3)
                OnMeterTimer(*app_, static_cast<TimerId>(wParam));
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
        case WM_PAINT:
            if (hwnd != dial_)
                break;
            PaintDial(hwnd);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            if (hwnd == dial_)
                dial_ = nullptr;
            if (hwnd == owner_)
                owner_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Host::HandleDialMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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
            if (app_ && !ending_)
                OnDialMouseDown(*app_, ButtonOf(message), modifiers, x, y);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            // Released before the core runs: it may open a menu or a message box from here.
            if (ButtonsDown(wParam) == 0 && GetCapture() == hwnd)
                ReleaseCapture();
            if (app_ && !ending_)
                OnDialMouseUp(*app_, ButtonOf(message), modifiers, x, y);
            break;
        default:
            if (app_ && !ending_)
                OnDialMouseMove(*app_, ButtonsDown(wParam), modifiers, x, y);
            break;
    }
}

void Win32Host::PaintDial(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    painter_.Paint(dc);
    EndPaint(hwnd, &ps);
}

}  // namespace dorv
