#pragma once
// The dial window's three timers: an interval and an enabled switch, as the host should run them.
#include "app/meter_app.h"

namespace dorv {

void SetMeterTimerInterval(MeterApp& app, TimerId timer, int intervalMs);
void SetMeterTimerEnabled(MeterApp& app, TimerId timer, bool enabled);
TimerState& MeterTimer(MeterApp& app, TimerId timer);

}  // namespace dorv
