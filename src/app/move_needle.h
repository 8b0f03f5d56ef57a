#pragma once
// One smoothing step of the needle toward a target, with the 100 % beeps, readout and redraw.
#include "render/needle.h"

namespace dorv {

struct MeterApp;

void MoveNeedle(MeterApp& app, double target);
// The needle and its afterimages drawn again where they stand, in the colours now in effect.
void RedrawNeedle(MeterApp& app);
// One needle or afterimage drawn, then what follows its value: the warning lamp and the tray icon.
void ShowNeedle(MeterApp& app, double value, NeedleKind kind);
// Afterimages drawn behind the needle: Zanzo_max held within the history, whatever was stored.
int TrailLength(const MeterApp& app);

}  // namespace dorv
