#include <string>

#include "app/meter_events.h"
#include "win32_host.h"

namespace dorv {
namespace {

constexpr wchar_t kDialClass[] = L"DorvanixMeterFrm";
constexpr wchar_t kOwnerClass[] = L"DorvanixOwner";

std::wstring Widen(const char* text) {
    int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), size);
    wide.resize(wide.find(L'\0'));
    return wide;
}

}  // namespace

WindowHandle Win32Host::CreateMeterWindow(const char* title, PixelSize size) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DialWindowProc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kDialClass;
    RegisterClassExW(&wc);
    wc.lpszClassName = kOwnerClass;
    RegisterClassExW(&wc);
    painter_.Create(instance_, size.width);
    // Owned by a hidden window, the dial gets no taskbar button yet keeps a plain extended style, which
    // the translucency replaces wholesale. The owner shares the window procedure, so a close sent to it
    // (taskkill reaches every top-level window) quits in the same orderly way.
    owner_ =
        CreateWindowExW(0, kOwnerClass, Widen(title).c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_, this);
    dial_ = CreateWindowExW(0, kDialClass, Widen(title).c_str(), WS_POPUP, 0, 0, size.width, size.height, owner_,
                            nullptr, instance_, this);
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

void Win32Host::InvalidateWindow(WindowHandle window) {
    InvalidateRect(ToHwnd(window), nullptr, FALSE);
}

LRESULT CALLBACK Win32Host::DialWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<Win32Host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!host)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return host->HandleDialMessage(hwnd, message, wParam, lParam);
}

LRESULT Win32Host::HandleDialMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (app_ && hwnd == dial_ && wParam >= 1 && wParam <= 3)
                OnMeterTimer(*app_, static_cast<TimerId>(wParam));
            return 0;
        case WM_CLOSE:
            // Closing the dial is an orderly Quit: unload, save, exit; never a bare destroy.
            if (app_ && !ending_)
                OnMeterCloseRequest(*app_);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam && app_ && !ending_)
                OnMeterCloseRequest(*app_);
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

void Win32Host::PaintDial(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    painter_.Paint(dc);
    EndPaint(hwnd, &ps);
}

}  // namespace dorv
