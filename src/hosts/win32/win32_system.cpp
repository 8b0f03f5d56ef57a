#include "win32_system.h"

#include <windows.h>

#include <algorithm>

#include "win32_system_library.h"
#include "win32_text.h"

namespace dorv {

MemoryStatus Win32System::QueryMemoryStatus() {
    // The extended call, so machines beyond 4 GB compute the same ratios correctly.
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return MemoryStatus{};
    return MemoryStatus{status.ullTotalPhys,     status.ullAvailPhys,    status.ullTotalPageFile,
                        status.ullAvailPageFile, status.ullTotalVirtual, status.ullAvailVirtual};
}

std::uint64_t Win32System::TickCount() {
    // The 64-bit count where the system has it (Vista on); the 32-bit one wraps after 49.7 days.
    using TickCount64Proc = ULONGLONG(WINAPI*)();
    static const auto tickCount64 = Proc<TickCount64Proc>(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64");
    return tickCount64 ? tickCount64() : GetTickCount();
}

LocalTime Win32System::CurrentLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return LocalTime{now.wHour, now.wMinute, now.wSecond};
}

std::string Win32System::FormatTimeOfDay(const LocalTime& time) {
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

// One of the user's locale texts in UTF-8; the fallback when the system answers with fewer characters than
// `fewest` (a locale may have no thousands separator, never an empty decimal symbol).
static std::string LocaleText(LCTYPE type, const char* fallback, int fewest) {
    wchar_t text[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 8);
    if (length - 1 < fewest)
        return fallback;
    return Narrow(std::wstring_view(text, static_cast<std::size_t>(length - 1)));
}

std::string Win32System::DecimalSymbol() {
    return LocaleText(LOCALE_SDECIMAL, ".", 1);
}

std::string Win32System::ThousandsSeparator() {
    return LocaleText(LOCALE_STHOUSAND, ",", 0);
}

OsVersionInfo Win32System::QueryVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes: the plain record, not the extended one
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    BOOL ok = GetVersionExA(&info);
    if (!ok)
        return OsVersionInfo{};
    return OsVersionInfo{true, info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

// Asked afresh each time, as the version tests always were.
Capabilities Win32System::QueryCapabilities() {
    return WindowsCapabilities(QueryVersion());
}

}  // namespace dorv
