#include "app/sample_tick.h"

#include "app/meter_app.h"
#include "app/move_needle.h"
#include "metrics/cpu_counter.h"
#include "metrics/memory_load.h"
#include "render/clock.h"
#include "render/readout.h"
#include "settings/value_text.h"
#include "tray_menu/tray_icon.h"

namespace dorv {
namespace {

std::int32_t RoundedReading(double reading) {
    return ToInt32(reading).value_or(0);
}

}  // namespace

bool NeedleNeedsRedraw(const MeterApp& app) {
    const std::string& symbol = app.settingsFile.decimalSymbol;
    if (FormatOneDecimal(app.CurrentValue, symbol) != FormatOneDecimal(app.ShownValue, symbol))
        return true;
    return app.ZanzoHistory[0] != app.ZanzoHistory[static_cast<std::size_t>(TrailLength(app))];
}

void SampleTick(MeterApp& app) {
    switch (app.settings.Needle) {
        case MeterMode::Mem:
            app.CurrentValue = PhysicalMemoryLoad(app.platform.system.QueryMemoryStatus());
            break;
        case MeterMode::VMem:
            app.CurrentValue = PageFileLoad(app.platform.system.QueryMemoryStatus());
            break;
        case MeterMode::Cpu:
            // The older family's statistic is whole percent already; a failed read keeps the previous value.
            if (app.platform.os.QueryCapabilities().cpu == CpuSource::ProcessorTimes)
                app.CurrentValue = RoundedReading(ReadCpuCounter(app.platform, app.cpu));
            else
                ReadCpuStatistic(app.platform, app.cpu, app.CurrentValue);
            break;
        case MeterMode::Clock:
            ShowClock(app);
            return;
        default:
            return;
    }
    if (NeedleNeedsRedraw(app))
        MoveNeedle(app, app.CurrentValue);
}

void ShowClock(MeterApp& app) {
    const LocalTime now = app.platform.system.CurrentLocalTime();
    if (DrawClock(Surface(app), now, app.settings.Center, app.settings.Needle_type, app.activeColours))
        UpdateClockTip(Tray(app));
}

}  // namespace dorv
