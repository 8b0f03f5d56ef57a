#pragma once
// The round region, stacking and translucency of the dial window.
#include "platform/window.h"

namespace dorv {

struct MeterApp;

// Clips the dial to its circle at the current scale; done at load and when the dpi changes.
void AttachDialRegion(MeterApp& app);

// Always on top (1) or not (0), and shows the window; any other value does nothing and gives 0.
int SetStacking(MeterApp& app, WindowHandle window, int topView);

// Only on systems of major version 5: the dial becomes layered with Transparency as its alpha.
void ApplyTransparency(MeterApp& app, WindowHandle window);

}  // namespace dorv
