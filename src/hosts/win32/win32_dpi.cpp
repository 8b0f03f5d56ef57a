#include "win32_dpi.h"

#include "win32_handles.h"
#include "win32_system_library.h"

namespace dorv {
namespace {

// user32 is linked, so it is mapped for the whole run and its handle needs no release.
HMODULE User32() {
    return GetModuleHandleW(L"user32.dll");
}

int ScreenDpi() {
    const WindowDc screen;
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

using SetThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

SetThreadContext SetThreadAwareness() {
    static const auto set = Proc<SetThreadContext>(User32(), "SetThreadDpiAwarenessContext");
    return set;
}

}  // namespace

int DpiOf(HWND window) {
    using ForWindow = UINT(WINAPI*)(HWND);
    using ForSystem = UINT(WINAPI*)();
    static const auto forWindow = Proc<ForWindow>(User32(), "GetDpiForWindow");
    static const auto forSystem = Proc<ForSystem>(User32(), "GetDpiForSystem");
    UINT dpi = 0;
    if (window && forWindow)
        dpi = forWindow(window);
    else if (!window && forSystem)
        dpi = forSystem();
    return dpi > 0 ? static_cast<int>(dpi) : ScreenDpi();
}

int SmallIconSize(int dpi) {
    int size = SystemMetricForDpi(SM_CXSMICON, dpi);
    return size > 0 ? size : MulDiv(16, dpi, USER_DEFAULT_SCREEN_DPI);
}

int SystemMetricForDpi(int index, int dpi) {
    using MetricsForDpi = int(WINAPI*)(int, UINT);
    static const auto metricsForDpi = Proc<MetricsForDpi>(User32(), "GetSystemMetricsForDpi");
    const int size = metricsForDpi ? metricsForDpi(index, static_cast<UINT>(dpi)) : 0;
    return size > 0 ? size : MulDiv(GetSystemMetrics(index), dpi, DpiOf(nullptr));
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
    using InfoForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto infoForDpi = Proc<InfoForDpi>(User32(), "SystemParametersInfoForDpi");
    metrics = NONCLIENTMETRICSW{};
    metrics.cbSize = sizeof metrics;
    if (infoForDpi && infoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return true;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return false;
    // These are the system's dpi: the font is what the dialogs take from them.
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, DpiOf(nullptr));
    return true;
}

RECT OuterRect(RECT client, DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = Proc<AdjustForDpi>(User32(), "AdjustWindowRectExForDpi");
    // Where the call for a dpi is missing, there is one dpi only: the system's.
    if (!adjustForDpi || !adjustForDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    return client;
}

SystemAwareScope::SystemAwareScope() {
    if (const auto set = SetThreadAwareness())
        previous_ = set(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE);
}

SystemAwareScope::~SystemAwareScope() {
    if (previous_)
        SetThreadAwareness()(previous_);
}

}  // namespace dorv
