#include "app/meter_timers.h"

namespace dorv {
namespace {

void Apply(MeterApp& app, TimerId timer) {
    const TimerState& state = MeterTimer(app, timer);
    app.platform.timers.SetTimerInterval(app.meter.window, timer, state.enabled ? state.interval : 0);
}

}  // namespace

TimerState& MeterTimer(MeterApp& app, TimerId timer) {
    switch (timer) {
        case TimerId::Sample:
            return app.meter.sampleTimer;
        case TimerId::Schedule:
            return app.meter.scheduleTimer;
        case TimerId::OpaqueHold:
        case TimerId::TrayRetry:  // the menu window's and the about box's, never the dial's
        case TimerId::AboutRefresh:
            break;
    }
    return app.meter.opaqueHoldTimer;
}

void SetMeterTimerInterval(MeterApp& app, TimerId timer, int intervalMs) {
    MeterTimer(app, timer).interval = intervalMs;
    Apply(app, timer);
}

void SetMeterTimerEnabled(MeterApp& app, TimerId timer, bool enabled) {
    MeterTimer(app, timer).enabled = enabled;
    Apply(app, timer);
}

}  // namespace dorv
