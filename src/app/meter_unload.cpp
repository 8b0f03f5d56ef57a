#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
#include "metrics/cpu_counter.h"
#include "metrics/os_checks.h"
#include "settings/settings_file.h"
#include "window/placement.h"

namespace dorv {

void UnloadMeterFrm(MeterApp& app) {
    // Hidden first, so the dial disappears before the slow part; a hidden window keeps its position.
    app.platform.window.HideWindow(app.meter.window);  // 1
    app.platform.timers.PumpMessagesOnce();
    if (IsWinNT(app.platform.os))  // 2
        CloseCpuCounter(app.platform, app.cpu);
    else
        StopCpuStatistic(app.platform, app.cpu);
    SaveSettings(app.settingsFile, app.settings, WindowLeftTwips(app), WindowTopTwips(app));  // 3
}

}  // namespace dorv
