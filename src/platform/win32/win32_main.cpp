#include <windows.h>

// After windows.h, which it needs.
#include <objbase.h>

#include "app/meter_lifecycle.h"
#include "state/meter_app.h"
#include "win32_host.h"
#include "win32_system_library.h"

namespace {

// DLLs the program loads come from the system folder only; the program's folder holds meter.ini and is writable.
void RestrictDllSearch() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    auto restrict =
        dorv::Proc<SetDefaultDllDirectoriesFn>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (restrict)
        restrict(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// COM on the UI thread for the whole run, in a single-threaded apartment, as the shell's calls (ShellExecuteW)
// require. Released only if this call took it: a thread already in another apartment keeps its own.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    RestrictDllSearch();
    // Before the host, so it outlasts every window and library the host releases.
    const ComApartment com;
    dorv::Win32Host host(instance);
    dorv::MeterApp app(host.platform());
    host.Attach(app);
    dorv::RunEntryProcedure(app);
    return host.RunMessageLoop();
}
