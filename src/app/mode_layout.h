#pragma once
// What each mode does to the dial: label places, mode caption, retained drawing, clearing, the lamp, the
// face and the sampling interval. One table serves the load, the menu's mode commands and the settings'
// Apply.
#include "platform/dial_drawing.h"

namespace dorv {

struct MeterApp;
struct MeterSettings;

// Labels and retained drawing of a mode; does nothing for a mode outside 0..3.
void ApplyModeLayout(MeterApp& app, int mode);
// Entering a mode: ClearDrawing for Cpu's direct drawing, the lamp off for Clock, then the layout.
void EnterModeLayout(MeterApp& app, int mode);
// The face of a mode, normal or lit (the meter face for a mode outside 0..3).
DialFace ModeFace(int mode, bool lit);
void ShowModeFace(MeterApp& app, int mode);
// The sample timer's interval for a mode: 200 ms for Clock, else Watch_time.
int ModeTimerInterval(const MeterSettings& settings, int mode);
void SetModeTimer(MeterApp& app, int mode);

}  // namespace dorv
