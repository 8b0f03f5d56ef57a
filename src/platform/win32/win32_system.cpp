#include <algorithm>

#include "win32_host.h"
#include "win32_text.h"

namespace dorv {

MemoryStatus Win32Host::QueryMemoryStatus() {
    // The extended call, so machines beyond 4 GB compute the same ratios correctly.
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return MemoryStatus{};
    return MemoryStatus{status.ullTotalPhys,     status.ullAvailPhys,    status.ullTotalPageFile,
                        status.ullAvailPageFile, status.ullTotalVirtual, status.ullAvailVirtual};
}

std::uint64_t Win32Host::TickCount() {
    // The 64-bit count where the system has it (Vista on); the 32-bit one wraps after 49.7 days.
    using TickCount64Proc = ULONGLONG(WINAPI*)();
    static const auto tickCount64 = reinterpret_cast<TickCount64Proc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64")));
    return tickCount64 ? tickCount64() : GetTickCount();
}

LocalTime Win32Host::CurrentLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return LocalTime{now.wHour, now.wMinute, now.wSecond};
}

std::string Win32Host::FormatTimeOfDay(const LocalTime& time) {
    // A valid date too: only the time is formatted, but the call checks the whole record.
    SYSTEMTIME at{};
    at.wYear = 2000;
    at.wMonth = 1;
    at.wDay = 1;
    at.wHour = static_cast<WORD>(std::clamp(time.hour, 0, 23));
    at.wMinute = static_cast<WORD>(std::clamp(time.minute, 0, 59));
    at.wSecond = static_cast<WORD>(std::clamp(time.second, 0, 59));
    wchar_t text[128] = {};
    const int length = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &at, nullptr, text, 128);
    if (length > 1)
        return Narrow(std::wstring_view(text, static_cast<std::size_t>(length - 1)));
    // Without the regional format: the 24-hour one.
    auto two = [](int value) { return std::string(value < 10 ? "0" : "") + std::to_string(value); };
    return std::to_string(at.wHour) + ":" + two(at.wMinute) + ":" + two(at.wSecond);
}

std::string Win32Host::DecimalSymbol() {
    char symbol[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol, sizeof symbol) <= 1)
        return ".";
    return symbol;
}

std::string Win32Host::ThousandsSeparator() {
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8);
    if (length <= 0)
        return ",";
    return Narrow(std::wstring_view(separator, static_cast<std::size_t>(length - 1)));
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
