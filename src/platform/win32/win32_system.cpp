#include "win32_host.h"

namespace dorv {

MemoryStatus Win32Host::QueryMemoryStatus() {
    // The extended call, so machines beyond 4 GB compute the same ratios correctly.
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return MemoryStatus{};
    return MemoryStatus{status.ullTotalPhys, status.ullAvailPhys, status.ullTotalPageFile, status.ullAvailPageFile};
}

LocalTime Win32Host::CurrentLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return LocalTime{now.wHour, now.wMinute, now.wSecond};
}

std::string Win32Host::DecimalSymbol() {
    char symbol[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol, sizeof symbol) <= 1)
        return ".";
    return symbol;
}

PixelSize Win32Host::PrimaryScreenSize() {
    return PixelSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

namespace {

double TwipsPerPixel(int axis) {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, axis) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

}  // namespace

double Win32Host::TwipsPerPixelX() {
    return TwipsPerPixel(LOGPIXELSX);
}

double Win32Host::TwipsPerPixelY() {
    return TwipsPerPixel(LOGPIXELSY);
}

}  // namespace dorv
