#include "window/placement.h"

#include <cmath>
#include <optional>

namespace dorv {
namespace {

// The pixels a window edge can sit at: the system keeps window positions within 16 bits.
constexpr double kLowestEdgePixel = -32768.0;
constexpr double kHighestEdgePixel = 32767.0;

// Whole pixels, to the nearest; nothing when no window can sit there, so no huge value ever wraps.
std::optional<int> TwipsToPixels(float twips, double twipsPerPixel) {
    const double pixels = std::round(static_cast<double>(twips) / twipsPerPixel);
    if (!(pixels >= kLowestEdgePixel && pixels <= kHighestEdgePixel))
        return std::nullopt;
    return static_cast<int>(pixels);
}

float PixelsToTwips(int pixels, double twipsPerPixel) {
    return static_cast<float>(pixels * twipsPerPixel);
}

// An edge in twips: the value last set while the window still sits on the pixel it gave, so twips
// round-trip exactly (1230.5 stays 1230.5); after a drag, the window's own pixels.
float EdgeTwips(TwipsEdge& edge, int pixels, double twipsPerPixel) {
    if (edge.known && edge.pixels == pixels)
        return edge.twips;
    edge.known = false;
    return PixelsToTwips(pixels, twipsPerPixel);
}

double TwipsPerPixel(const DialPlacement& dial) {
    return dial.desktopScale.TwipsPerPixel();
}

TwipsEdge& RememberedEdge(const DialPlacement& dial, Axis axis) {
    return axis == Axis::Horizontal ? dial.leftEdge : dial.topEdge;
}

int& Along(PixelPoint& point, Axis axis) {
    return axis == Axis::Horizontal ? point.x : point.y;
}

// The dial's rectangle in pixels, with its top edge at `top` when given.
PixelRect WindowRect(const DialPlacement& dial, std::optional<int> top) {
    const PixelPoint at = dial.windows.WindowPosition(dial.window);
    const PixelSize size = dial.windows.WindowSize(dial.window);
    const int y = top.value_or(at.y);
    return PixelRect{at.x, y, at.x + size.width, y + size.height};
}

TwipsRect ToTwips(const PixelRect& r, double twipsPerPixel) {
    return TwipsRect{PixelsToTwips(r.left, twipsPerPixel), PixelsToTwips(r.top, twipsPerPixel),
                     PixelsToTwips(r.right, twipsPerPixel), PixelsToTwips(r.bottom, twipsPerPixel)};
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// An edge within the margin of the monitor's far edge (right or bottom), or beyond it, goes flush with that edge;
// one more than the margin past its near edge goes to that edge.
void PullOnto(const DialPlacement& dial, const TwipsRect& monitor, Axis axis) {
    if (WindowEdgeTwips(dial, axis) + kScreenEdgeMarginTwips > monitor.High(axis))
        SetWindowEdgeTwips(dial, axis, monitor.High(axis) - WindowExtentTwips(dial, axis));
    if (WindowEdgeTwips(dial, axis) < monitor.Low(axis) - kScreenEdgeMarginTwips)
        SetWindowEdgeTwips(dial, axis, monitor.Low(axis));
}

TwipsRect NearestMonitorTwips(const DialPlacement& dial, const PixelRect& window) {
    return ToTwips(dial.windows.NearestMonitor(window), TwipsPerPixel(dial));
}

}  // namespace

float WindowEdgeTwips(const DialPlacement& dial, Axis axis) {
    PixelPoint at = dial.windows.WindowPosition(dial.window);
    return EdgeTwips(RememberedEdge(dial, axis), Along(at, axis), TwipsPerPixel(dial));
}

float WindowExtentTwips(const DialPlacement& dial, Axis axis) {
    const PixelSize size = dial.windows.WindowSize(dial.window);
    return PixelsToTwips(axis == Axis::Horizontal ? size.width : size.height, TwipsPerPixel(dial));
}

TwipsRect DialMonitorTwips(const DialPlacement& dial) {
    return NearestMonitorTwips(dial, WindowRect(dial, std::nullopt));
}

bool SetWindowEdgeTwips(const DialPlacement& dial, Axis axis, float twips) {
    const std::optional<int> pixels = TwipsToPixels(twips, TwipsPerPixel(dial));
    if (!pixels)
        return false;
    PixelPoint at = dial.windows.WindowPosition(dial.window);
    Along(at, axis) = *pixels;
    dial.windows.MoveWindow(dial.window, at);
    RememberedEdge(dial, axis) = TwipsEdge{true, twips, *pixels};
    return true;
}

// An edge no window can take is out of range like any other such number: the design position stands.
void PlaceLeftAtStartup(const DialPlacement& dial, float left, std::optional<float> storedTop, bool pullBack) {
    if (!SetWindowEdgeTwips(dial, Axis::Horizontal, left))
        return;
    if (!pullBack)
        return;
    // The top edge is not placed yet. Judged at the design top, a dial saved on a monitor beside another one
    // below or above the primary would be measured against the wrong monitor, so the monitor is the one at
    // the stored Top (the design top when Top will not move the window). With one monitor it is that one.
    const std::optional<int> top = storedTop ? TwipsToPixels(*storedTop, TwipsPerPixel(dial)) : std::nullopt;
    PullOnto(dial, NearestMonitorTwips(dial, WindowRect(dial, top)), Axis::Horizontal);
}

void PlaceTopAtStartup(const DialPlacement& dial, float top) {
    if (!SetWindowEdgeTwips(dial, Axis::Vertical, top))
        return;
    PullOnto(dial, NearestMonitorTwips(dial, WindowRect(dial, std::nullopt)), Axis::Vertical);
}

// Both axes, whatever adjusted_flg holds: a dial on no monitor could not be reached even by dragging.
void KeepOnAMonitor(const DialPlacement& dial) {
    const PixelRect window = WindowRect(dial, std::nullopt);
    const PixelRect monitor = dial.windows.NearestMonitor(window);
    if (Overlap(window, monitor))
        return;
    const TwipsRect onto = ToTwips(monitor, TwipsPerPixel(dial));
    for (Axis axis : kAxes)
        PullOnto(dial, onto, axis);
}

}  // namespace dorv
