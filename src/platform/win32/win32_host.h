#pragma once
// The real host: one component per platform interface, each in its own file with its own state. This class
// only builds them, wires their events to the app and hands them out as the core's Platform.
#include <windows.h>

#include "app/meter_app.h"
#include "platform/platform.h"
#include "win32_dial_drawing.h"
#include "win32_dialogs.h"
#include "win32_events.h"
#include "win32_help.h"
#include "win32_ini_file.h"
#include "win32_perf_counter.h"
#include "win32_popup_menu.h"
#include "win32_registry.h"
#include "win32_shell.h"
#include "win32_system.h"
#include "win32_timers.h"
#include "win32_tray.h"
#include "win32_windows.h"

namespace dorv {

class Win32Host {
public:
    explicit Win32Host(HINSTANCE instance);
    ~Win32Host();
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    Platform platform() {
        return Platform{windows_,  drawing_, timers_, ini_,  system_,  system_, perf_,
                        registry_, tray_,    menu_,   help_, dialogs_, shell_};
    }
    // Events of the host's windows go to this app's handlers.
    void Attach(MeterApp& app);
    // The message loop; returns the program's exit code once it ends.
    int RunMessageLoop() { return timers_.RunMessageLoop(); }

private:
    // Declaration order is release order reversed: the windows go before the dialogs' records, the painter's
    // GDI objects and the help library, the tray icon before the menu window it belongs to, and the shell's COM
    // apartment after them all. Each component frees the libraries it loaded itself, after its own windows.
    Win32Events events_;
    Win32Shell shell_;
    Win32IniFile ini_;
    Win32System system_;
    Win32Registry registry_;
    Win32PerfCounter perf_;
    Win32Help help_;
    Win32DialDrawing drawing_;
    Win32Dialogs dialogs_;
    Win32PopupMenu menu_;
    Win32Timers timers_;
    Win32Windows windows_;
    Win32Tray tray_;
};

}  // namespace dorv
