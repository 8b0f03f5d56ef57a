// The idle benchmark's baselines: a 100 x 100 window that does nothing, or (with IDLE_SAMPLER) one that
// every 160 ms reads what the dial reads (processor 0's times, the memory status) and redraws a needle.
#include <windows.h>

#include <cmath>

namespace {

constexpr wchar_t kClass[] = L"DorvanixIdleBench";

#ifdef IDLE_SAMPLER
constexpr UINT_PTR kTimer = 1;
using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
constexpr ULONG kSystemProcessorPerformanceInformation = 8;
double needle = 0;  // 0..1 across the dial

void Sample(HWND window) {
    static const auto query = reinterpret_cast<NtQuerySystemInformationFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    static LONGLONG lastIdle = 0;
    static LONGLONG lastTotal = 0;
    LARGE_INTEGER records[6 * 64] = {};  // 48 bytes a processor
    ULONG written = 0;
    if (query && query(kSystemProcessorPerformanceInformation, records, sizeof records, &written) >= 0 &&
        written >= 48) {
        const LONGLONG idle = records[0].QuadPart;
        const LONGLONG total = records[1].QuadPart + records[2].QuadPart;  // kernel includes idle
        if (total > lastTotal)
            needle = 1.0 - static_cast<double>(idle - lastIdle) / static_cast<double>(total - lastTotal);
        lastIdle = idle;
        lastTotal = total;
    }
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    InvalidateRect(window, nullptr, FALSE);
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT all{0, 0, 100, 100};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, GetStockObject(WHITE_PEN));
    const double angle = 3.14159265 * (1.25 - 1.5 * needle);
    MoveToEx(dc, 50, 50, nullptr);
    LineTo(dc, 50 + static_cast<int>(40 * std::cos(angle)), 50 - static_cast<int>(40 * std::sin(angle)));
    EndPaint(window, &paint);
}
#endif

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
#ifdef IDLE_SAMPLER
        case WM_TIMER:
            Sample(window);
            return 0;
        case WM_PAINT:
            Paint(window);
            return 0;
#endif
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClass;
    if (!RegisterClassExW(&windowClass))
        return 1;
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP, 200, 200, 100, 100, nullptr, nullptr,
                                  instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
#ifdef IDLE_SAMPLER
    SetTimer(window, kTimer, 160, nullptr);
#endif
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
