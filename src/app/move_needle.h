#pragma once
// One smoothing step of the needle toward a target, with the 100 % beeps, readout and redraw.

namespace dorv {

struct MeterApp;

void MoveNeedle(MeterApp& app, double target);

}  // namespace dorv
