#pragma once
// The sampling tick: the sample timer's handler and the program's main loop.

namespace dorv {

struct MeterApp;

void SampleTick(MeterApp& app);
// Clock mode's tick: the hands and the time when the second has changed, then the tray's tip.
void ShowClock(MeterApp& app);

// True when the needle or its trail still has to move: the "#0.0" texts differ or the trail lags.
bool NeedleNeedsRedraw(const MeterApp& app);

}  // namespace dorv
