#include <string>

#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
#include "metrics/cpu_counter.h"
#include "settings/settings_file.h"
#include "window/placement.h"

namespace dorv {
namespace {

// The changes of this run are lost, so the user hears of it, with the file and the system's reason.
void ReportFailedSave(MeterApp& app, const std::string& reason) {
    const bool english = app.settings.English == 1;
    const std::string text =
        std::string(english ? "The settings could not be saved to" : "設定を次のファイルに保存できませんでした。") +
        "\n" + app.settingsFile.path + "\n\n" + reason;
    app.platform.window.ShowMessage(nullptr, kMeterTitle, text, MessageIcon::Critical);
}

}  // namespace

void UnloadMeterFrm(MeterApp& app, QuitCause cause) {
    // Hidden first, so the dial disappears before the slow part; a hidden window keeps its position.
    app.platform.window.HideWindow(app.meter.window);  // 1
    app.platform.timers.PumpMessagesOnce();
    if (app.platform.os.QueryCapabilities().cpu == CpuSource::ProcessorTimes)  // 2
        CloseCpuCounter(app.platform, app.cpu);
    else
        StopCpuStatistic(app.platform, app.cpu);
    const FileResult saved =
        SaveSettings(app.settingsFile, app.settings, WindowEdgeTwips(Placement(app), Axis::Horizontal),
                     WindowEdgeTwips(Placement(app), Axis::Vertical));  // 3
    // No window may appear while the session ends.
    if (!saved.ok && cause == QuitCause::Request)
        ReportFailedSave(app, saved.reason);
}

}  // namespace dorv
