#pragma once
// The dial window's position in twips, and the pull back onto the nearest monitor at start-up and when the
// monitors change.
#include <optional>

#include "platform/dial_scale.h"
#include "platform/window.h"
#include "state/meter_frm.h"

namespace dorv {

// The dial window as placement sees it: its edges as last set, and the desktop-wide pixel size.
struct DialPlacement {
    WindowSystem& windows;
    WindowHandle window;
    TwipsEdge& leftEdge;
    TwipsEdge& topEdge;
    const DialScale& desktopScale;
};

inline constexpr float kScreenEdgeMarginTwips = 1000.0f;

// Horizontal: the left edge and the width; Vertical: the top edge and the height.
enum class Axis { Horizontal, Vertical };
inline constexpr Axis kAxes[] = {Axis::Horizontal, Axis::Vertical};

float WindowEdgeTwips(const DialPlacement& dial, Axis axis);
float WindowExtentTwips(const DialPlacement& dial, Axis axis);

struct TwipsRect {
    float left, top, right, bottom;

    float Low(Axis axis) const { return axis == Axis::Horizontal ? left : top; }
    float High(Axis axis) const { return axis == Axis::Horizontal ? right : bottom; }
};

// The whole monitor the dial is on (the nearest one when it is on none).
TwipsRect DialMonitorTwips(const DialPlacement& dial);
// Moves an edge there; false, and the window stays, when no window can sit at that pixel.
bool SetWindowEdgeTwips(const DialPlacement& dial, Axis axis, float twips);

// Moves the left edge there (nothing when out of range); with `pullBack` (adjusted_flg = 1) a window (nearly) off
// either side of the monitor nearest the stored position (`storedTop`, the Top about to be placed, if any) is pulled
// back.
void PlaceLeftAtStartup(const DialPlacement& dial, float left, std::optional<float> storedTop, bool pullBack);
// Moves the top edge there and pulls a window (nearly) off the top or bottom of the nearest monitor back, whatever
// adjusted_flg says.
void PlaceTopAtStartup(const DialPlacement& dial, float top);
// After a change of monitors: a dial that no monitor shows any more is pulled onto the nearest one, both ways.
void KeepOnAMonitor(const DialPlacement& dial);

}  // namespace dorv
