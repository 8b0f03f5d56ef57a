#pragma once
// The round region, stacking and translucency of the dial window.
#include <cstdint>

#include "platform/dial_scale.h"
#include "platform/os_version.h"
#include "platform/window.h"

namespace dorv {

// Clips the dial to its circle at the given scale; done at load and when the dpi changes.
void AttachDialRegion(WindowSystem& windows, WindowHandle dial, const DialScale& scale);

// Always on top (1) or not (0), and shows the window; any other value does nothing and gives 0.
int SetStacking(WindowSystem& windows, WindowHandle window, int topView);

// Only where the system offers translucency: the dial becomes layered with `transparency` (the setting) as its alpha.
void ApplyTransparency(WindowSystem& windows, OsVersion& os, WindowHandle window, std::int32_t transparency);

}  // namespace dorv
