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
    using MetricsForDpi = int(WINAPI*)(int, UINT);
    static const auto metricsForDpi = Proc<MetricsForDpi>(User32(), "GetSystemMetricsForDpi");
    int size = metricsForDpi ? metricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi)) : 0;
    if (size <= 0)
        size = GetSystemMetrics(SM_CXSMICON);
    return size > 0 ? size : MulDiv(16, dpi, USER_DEFAULT_SCREEN_DPI);
}

}  // namespace dorv
