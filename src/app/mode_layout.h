#pragma once
// Where the labels sit, what the mode label says and whether drawing is retained, per mode.

namespace dorv {

struct MeterApp;

// Does nothing for a mode outside 0..3.
void ApplyModeLayout(MeterApp& app, int mode);

}  // namespace dorv
