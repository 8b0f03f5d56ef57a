#include <windows.h>

#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
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

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    RestrictDllSearch();
    dorv::Win32Host host(instance);
    dorv::MeterApp app(host.platform());
    host.Attach(app);
    dorv::RunEntryProcedure(app);
    return host.RunMessageLoop();
}
