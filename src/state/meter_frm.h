#pragma once
// The dial window's state: what it shows, its timers and its position as last set in twips.
#include "platform/window.h"
#include "render/dial_surface.h"

namespace dorv {

// The dial's side in design pixels (device pixels at 96 dpi).
inline constexpr int kDialSizePixels = 100;
// The dial window's title, also the title of the program's messages.
inline constexpr const char* kMeterTitle = "Dorvanix";

struct TimerState {
    int interval = 0;  // milliseconds; 0 or less is stopped
    bool enabled = true;
};

// A window edge as last set in twips, valid while the window stays on the pixel that gave.
struct TwipsEdge {
    bool known = false;
    float twips = 0;
    int pixels = 0;
};

// The dial window and what it owns.
struct MeterFrm : DialState {
    WindowHandle window = nullptr;
    TimerState sampleTimer{100, true};
    TimerState scheduleTimer{0, true};
    TimerState opaqueHoldTimer{0, true};
    TwipsEdge leftEdge;
    TwipsEdge topEdge;
};

}  // namespace dorv
