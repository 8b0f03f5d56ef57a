#pragma once
// Everything the core may ask of its host, one interface per group.
#include "platform/ini_file.h"
#include "platform/os_version.h"
#include "platform/perf_counter.h"
#include "platform/system_status.h"
#include "platform/timers.h"
#include "platform/window.h"

namespace dorv {

struct Platform {
    WindowSystem& window;
    TimerSystem& timers;
    IniFile& ini;
    SystemStatus& system;
    OsVersion& os;
    PerfCounter& perf;
};

}  // namespace dorv
