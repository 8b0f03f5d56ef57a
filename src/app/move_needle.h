#pragma once
// One smoothing step of the needle toward a target, with the 100 % beeps, readout and redraw.

namespace dorv {

struct MeterApp;

void MoveNeedle(MeterApp& app, double target);
// Afterimages drawn behind the needle: Zanzo_max held within the history, whatever was stored.
int TrailLength(const MeterApp& app);

}  // namespace dorv
