#pragma once
// Everything the core may ask of its host, one interface per group.
#include "platform/dial_drawing.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/ini_file.h"
#include "platform/os_version.h"
#include "platform/perf_counter.h"
#include "platform/popup_menu.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system_status.h"
#include "platform/timers.h"
#include "platform/tray.h"
#include "platform/window.h"

namespace dorv {

struct Platform {
    WindowSystem& window;
    DialDrawing& drawing;
    TimerSystem& timers;
    IniFile& ini;
    SystemStatus& system;
    OsVersion& os;
    PerfCounter& perf;
    Registry& registry;
    TrayIcons& tray;
    PopupMenu& menu;
    HelpViewer& help;
    Dialogs& dialogs;
    Shell& shell;
};

}  // namespace dorv
