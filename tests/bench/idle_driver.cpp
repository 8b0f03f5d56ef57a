// Works the running Dorvanix.exe for the idle benchmark (tools/idle_bench.sh), as a user would:
//   idle_driver settings N   opens the settings dialog from the dial's menu and cancels it, N times
//   idle_driver counts       prints the program's GDI and USER object counts
//   idle_driver close CLASS  asks the top-level window of the class to close
// Exits with 1 when a step does not happen within its time.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr wchar_t kDialClass[] = L"DorvanixMeterFrm";
constexpr wchar_t kSettingsTitle[] = L"\u30AA\u30D7\u30B7\u30E7\u30F3\u8A2D\u5B9A";

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end)
            return false;
        Sleep(20);
    }
    return true;
}

struct Search {
    DWORD pid;
    const wchar_t* className;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    wchar_t text[64] = {};
    GetClassNameW(window, name, 64);
    GetWindowTextW(window, text, 64);
    if (owner == search->pid && IsWindowVisible(window) && std::wcscmp(name, search->className) == 0 &&
        (!search->title || std::wcscmp(text, search->title) == 0)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND Visible(DWORD pid, const wchar_t* className, const wchar_t* title = nullptr) {
    Search search{pid, className, title, nullptr};
    EnumWindows(&Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Menu, then the dialog's access letter; cancelled as Esc would.
bool OpenAndCancelSettings(HWND dial, DWORD pid) {
    SetCursorPos(600, 100);  // the menu opens at the pointer, away from the dial
    PostMessageW(dial, WM_RBUTTONUP, 0, MAKELPARAM(50, 50));
    HWND popup = nullptr;
    if (!WaitUntil([&] { return (popup = Visible(pid, L"#32768")) != nullptr; }, 5000))
        return false;
    PostMessageW(popup, WM_CHAR, L'o', 0);
    HWND dialog = nullptr;
    if (!WaitUntil([&] { return (dialog = Visible(pid, L"#32770", kSettingsTitle)) != nullptr; }, 10000))
        return false;
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 10000);
}

BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    auto* counted = reinterpret_cast<std::pair<DWORD, int>*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == counted->first)
        ++counted->second;
    return TRUE;
}

BOOL CALLBACK CountTree(HWND window, LPARAM param) {
    CountWindow(window, param);
    EnumChildWindows(window, &CountWindow, param);
    return TRUE;
}

// Wine answers GetGuiResources with nothing; there the windows stand in for the USER objects and the live
// entries of the process's GDI handle table (its PEB points at it) for the GDI objects.
using NtQueryInformationProcessFn = LONG(WINAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
struct BasicInformation {
    LONG exitStatus;
    void* peb;
    ULONG_PTR affinity;
    LONG priority;
    ULONG_PTR pid;
    ULONG_PTR parentPid;
};
constexpr ULONG_PTR kPebGdiTableOffset = 0xF8;  // x64
struct GdiEntry {
    unsigned long long object;
    ULONG owner;
    ULONG unique;  // the low byte is the type; zero when free
};

long GdiTableCount(HANDLE process) {
    const auto query = reinterpret_cast<NtQueryInformationProcessFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    BasicInformation basic{};
    void* table = nullptr;
    if (!query || query(process, 0, &basic, sizeof basic, nullptr) < 0 ||
        !ReadProcessMemory(process, static_cast<char*>(basic.peb) + kPebGdiTableOffset, &table, sizeof table,
                           nullptr) ||
        !table)
        return -1;
    std::vector<GdiEntry> entries(0x10000);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiEntry), nullptr))
        return -1;
    long live = 0;
    for (const GdiEntry& entry : entries)
        if ((entry.unique & 0xFF) != 0)
            ++live;
    return live;
}

int PrintCounts(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return 1;
    long gdi = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
    long user = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
    const bool fallback = gdi == 0 && user == 0;
    if (fallback) {
        gdi = GdiTableCount(process);
        std::pair<DWORD, int> counted{pid, 0};
        EnumWindows(&CountTree, reinterpret_cast<LPARAM>(&counted));
        user = counted.second;
    }
    CloseHandle(process);
    std::printf("gdi %ld user %ld %s\n", gdi, user, fallback ? "table" : "system");
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 3 && std::wcscmp(argv[1], L"close") == 0) {
        HWND window = FindWindowW(argv[2], nullptr);
        return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    HWND dial = FindWindowW(kDialClass, nullptr);
    DWORD pid = 0;
    if (!dial || !GetWindowThreadProcessId(dial, &pid)) {
        std::fprintf(stderr, "idle_driver: no dial\n");
        return 1;
    }
    if (argc >= 2 && std::wcscmp(argv[1], L"counts") == 0)
        return PrintCounts(pid);
    if (argc >= 3 && std::wcscmp(argv[1], L"settings") == 0) {
        const int times = _wtoi(argv[2]);
        for (int i = 0; i < times; ++i)
            if (!OpenAndCancelSettings(dial, pid)) {
                std::fprintf(stderr, "idle_driver: the settings dialog did not open and close (round %d)\n", i + 1);
                return 1;
            }
        return 0;
    }
    std::fprintf(stderr, "usage: idle_driver settings N | counts | close CLASS\n");
    return 2;
}
