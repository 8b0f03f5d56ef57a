#include "win32_windows.h"

#include "app/meter_events.h"
#include "resource_ids.h"
#include "win32_dpi.h"
#include "win32_text.h"
#include "win32_window_handle.h"

namespace dorv {

Win32Windows::Win32Windows(HINSTANCE instance, Win32Events& events, Win32DialDrawing& drawing, Win32Dialogs& dialogs)
    : instance_(instance),
      events_(events),
      drawing_(drawing),
      dialogs_(dialogs),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

// The menu window first, then the owner, which takes the dial along; the classes go once no window uses them, and
// their icons after them.
Win32Windows::~Win32Windows() {
    menu_.reset();
    owner_.reset();
    for (const wchar_t* name : classes_)
        UnregisterClassW(name, instance_);
}

// Registers a window class of the program (with its icon) once per run.
void Win32Windows::RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance_, name, &wc))
        return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    // Each size loaded on its own and owned here: a shared icon is cached by resource, whatever size it came in.
    auto load = [this](int width, int height) {
        return IconOwner(static_cast<HICON>(
            LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, width, height, LR_DEFAULTCOLOR)));
    };
    if (!classIcon_)
        classIcon_ = load(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    if (!classIconSmall_)
        classIconSmall_ = load(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    wc.hIcon = classIcon_.get();
    wc.hIconSm = classIconSmall_.get();
    wc.lpszClassName = name;
    if (RegisterClassExW(&wc))
        classes_.push_back(name);
}

LRESULT Win32Windows::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, MessageHandler handler) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* windows = reinterpret_cast<Win32Windows*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!windows)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        windows->Forget(hwnd);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    try {
        return (windows->*handler)(hwnd, message, wParam, lParam);
    } catch (...) {
        // The core's state is unknown after a throw: end the run rather than keep ticking on it.
        windows->events_.End(1);
        return 0;
    }
}

void Win32Windows::Forget(HWND hwnd) {
    if (hwnd == dial_)
        dial_ = nullptr;
    if (hwnd == owner_.get())
        (void)owner_.release();
    if (hwnd == menu_.get())
        (void)menu_.release();
}

bool Win32Windows::HandleQuitMessage(UINT message, WPARAM wParam, LRESULT& result) {
    switch (message) {
        case WM_CLOSE:
            // An orderly Quit: unload, save, exit; never a bare destroy. A second close arriving while Quit
            // pumps messages is ignored by the core itself.
            if (MeterApp* app = events_.App())
                OnMeterCloseRequest(*app);
            result = 0;
            return true;
        case WM_QUERYENDSESSION:
            result = TRUE;
            return true;
        case WM_ENDSESSION:
            if (MeterApp* app = events_.App(); wParam && app)
                OnSessionEnd(*app);
            result = 0;
            return true;
        default:
            return false;
    }
}

PixelPoint Win32Windows::WindowPosition(WindowHandle window) {
    RECT r{};
    GetWindowRect(ToHwnd(window), &r);
    return PixelPoint{r.left, r.top};
}

PixelSize Win32Windows::WindowSize(WindowHandle window) {
    RECT r{};
    GetWindowRect(ToHwnd(window), &r);
    return PixelSize{r.right - r.left, r.bottom - r.top};
}

void Win32Windows::MoveWindow(WindowHandle window, PixelPoint topLeft) {
    SetWindowPos(ToHwnd(window), nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Windows::HideWindow(WindowHandle window) {
    ShowWindow(ToHwnd(window), SW_HIDE);
}

int Win32Windows::SetWindowStacking(WindowHandle window, bool topmost) {
    return SetWindowPos(ToHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

void Win32Windows::AttachEllipticRegion(WindowHandle window, int left, int top, int right, int bottom) {
    GdiObject<HRGN> region(CreateEllipticRgn(left, top, right, bottom));
    // Once the window accepts the region it owns and frees it; a refused one is still ours.
    if (region && SetWindowRgn(ToHwnd(window), region.get(), TRUE))
        (void)region.release();
}

void Win32Windows::MakeLayered(WindowHandle window, std::uint8_t alpha) {
    SetWindowLongW(ToHwnd(window), GWL_EXSTYLE, WS_EX_LAYERED);
    SetLayeredWindowAttributes(ToHwnd(window), 0, alpha, LWA_ALPHA);
}

void Win32Windows::BeginWindowDrag(WindowHandle window) {
    // The caption hit starts the system's move loop, which returns once the button is up.
    ReleaseCapture();
    SendMessageW(ToHwnd(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    // The move loop swallows a quit posted while it ran (a close during the drag): post it again.
    if (events_.Ending())
        PostQuitMessage(0);
}

void Win32Windows::SetForegroundWindow(WindowHandle window) {
    ::SetForegroundWindow(ToHwnd(window));
}

void Win32Windows::InvalidateWindow(WindowHandle window) {
    InvalidateRect(ToHwnd(window), nullptr, FALSE);
}

bool Win32Windows::AskYesNo(WindowHandle owner, const std::string& title, const std::string& text) {
    const std::wstring wideTitle = Widen(title);
    const std::wstring wideText = Widen(text);
    return MessageBoxW(ToHwnd(owner), wideText.c_str(), wideTitle.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32Windows::ShowMessage(WindowHandle owner,
                               const std::string& title,
                               const std::string& text,
                               MessageIcon icon) {
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

void Win32Windows::Beep() {
    MessageBeep(MB_OK);
}

PixelRect Win32Windows::NearestMonitor(PixelRect rect) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    // The nearest monitor always exists; should its information fail all the same, the primary screen stands in.
    if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info))
        return PixelRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return PixelRect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

int Win32Windows::WindowDpi(WindowHandle window) {
    return DpiOf(ToHwnd(window));
}

}  // namespace dorv
