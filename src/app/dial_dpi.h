#pragma once
// The dial at its monitor's scale: made at the dpi where it appears, redrawn when a move changes it.
#include "platform/window.h"

namespace dorv {

struct MeterApp;

// Creates the hidden dial window at the size and scale of the monitor where new windows appear.
WindowHandle CreateScaledMeterWindow(MeterApp& app, const char* title);
// The dial now lies on a monitor of this dpi and the host has given it its new size: shape, labels and
// drawing follow at the new scale.
void ChangeDialDpi(MeterApp& app, int dpi);

}  // namespace dorv
