#include "window/placement.h"

#include <cmath>
#include <optional>

#include "state/meter_app.h"

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

double TwipsPerPixel(const MeterApp& app) {
    return app.meter.desktopScale.TwipsPerPixel();
}

TwipsEdge& RememberedEdge(MeterApp& app, Axis axis) {
    return axis == Axis::Horizontal ? app.meter.leftEdge : app.meter.topEdge;
}

int& Along(PixelPoint& point, Axis axis) {
    return axis == Axis::Horizontal ? point.x : point.y;
}

// The dial's rectangle in pixels, with its top edge at `top` when given.
PixelRect WindowRect(MeterApp& app, std::optional<int> top) {
    WindowSystem& w = app.platform.window;
    const PixelPoint at = w.WindowPosition(app.meter.window);
    const PixelSize size = w.WindowSize(app.meter.window);
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
void PullOnto(MeterApp& app, const TwipsRect& monitor, Axis axis) {
    if (WindowEdgeTwips(app, axis) + kScreenEdgeMarginTwips > monitor.High(axis))
        SetWindowEdgeTwips(app, axis, monitor.High(axis) - WindowExtentTwips(app, axis));
    if (WindowEdgeTwips(app, axis) < monitor.Low(axis) - kScreenEdgeMarginTwips)
        SetWindowEdgeTwips(app, axis, monitor.Low(axis));
}

TwipsRect NearestMonitorTwips(MeterApp& app, const PixelRect& window) {
    return ToTwips(app.platform.window.NearestMonitor(window), TwipsPerPixel(app));
}

}  // namespace

float WindowEdgeTwips(MeterApp& app, Axis axis) {
    PixelPoint at = app.platform.window.WindowPosition(app.meter.window);
    return EdgeTwips(RememberedEdge(app, axis), Along(at, axis), TwipsPerPixel(app));
}

float WindowExtentTwips(MeterApp& app, Axis axis) {
    const PixelSize size = app.platform.window.WindowSize(app.meter.window);
    return PixelsToTwips(axis == Axis::Horizontal ? size.width : size.height, TwipsPerPixel(app));
}

TwipsRect DialMonitorTwips(MeterApp& app) {
    return NearestMonitorTwips(app, WindowRect(app, std::nullopt));
}

bool SetWindowEdgeTwips(MeterApp& app, Axis axis, float twips) {
    WindowSystem& w = app.platform.window;
    const std::optional<int> pixels = TwipsToPixels(twips, TwipsPerPixel(app));
    if (!pixels)
        return false;
    PixelPoint at = w.WindowPosition(app.meter.window);
    Along(at, axis) = *pixels;
    w.MoveWindow(app.meter.window, at);
    RememberedEdge(app, axis) = TwipsEdge{true, twips, *pixels};
    return true;
}

// An edge no window can take is out of range like any other such number: the design position stands.
void PlaceLeftAtStartup(MeterApp& app, float left, std::optional<float> storedTop) {
    if (!SetWindowEdgeTwips(app, Axis::Horizontal, left))
        return;
    if (app.settings.adjusted_flg != 1)
        return;
    // The top edge is not placed yet. Judged at the design top, a dial saved on a monitor beside another one
    // below or above the primary would be measured against the wrong monitor, so the monitor is the one at
    // the stored Top (the design top when Top will not move the window). With one monitor it is that one.
    const std::optional<int> top = storedTop ? TwipsToPixels(*storedTop, TwipsPerPixel(app)) : std::nullopt;
    PullOnto(app, NearestMonitorTwips(app, WindowRect(app, top)), Axis::Horizontal);
}

void PlaceTopAtStartup(MeterApp& app, float top) {
    if (!SetWindowEdgeTwips(app, Axis::Vertical, top))
        return;
    PullOnto(app, NearestMonitorTwips(app, WindowRect(app, std::nullopt)), Axis::Vertical);
}

// Both axes, whatever adjusted_flg holds: a dial on no monitor could not be reached even by dragging.
void KeepOnAMonitor(MeterApp& app) {
    const PixelRect window = WindowRect(app, std::nullopt);
    const PixelRect monitor = app.platform.window.NearestMonitor(window);
    if (Overlap(window, monitor))
        return;
    const TwipsRect onto = ToTwips(monitor, TwipsPerPixel(app));
    for (Axis axis : kAxes)
        PullOnto(app, onto, axis);
}

}  // namespace dorv
