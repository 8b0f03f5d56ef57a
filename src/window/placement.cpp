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

void RememberEdge(TwipsEdge& edge, float twips, int pixels) {
    edge = TwipsEdge{true, twips, pixels};
}

}  // namespace

float WindowLeftTwips(MeterApp& app) {
    return EdgeTwips(app.meter.leftEdge, app.platform.window.WindowPosition(app.meter.window).x, TwipsPerPixel(app));
}

float WindowTopTwips(MeterApp& app) {
    return EdgeTwips(app.meter.topEdge, app.platform.window.WindowPosition(app.meter.window).y, TwipsPerPixel(app));
}

float WindowWidthTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return PixelsToTwips(w.WindowSize(app.meter.window).width, TwipsPerPixel(app));
}

float WindowHeightTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return PixelsToTwips(w.WindowSize(app.meter.window).height, TwipsPerPixel(app));
}

float ScreenWidthTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return PixelsToTwips(w.PrimaryScreenSize().width, TwipsPerPixel(app));
}

float ScreenHeightTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return PixelsToTwips(w.PrimaryScreenSize().height, TwipsPerPixel(app));
}

bool SetWindowLeftTwips(MeterApp& app, float left) {
    WindowSystem& w = app.platform.window;
    const std::optional<int> x = TwipsToPixels(left, TwipsPerPixel(app));
    if (!x)
        return false;
    PixelPoint at = w.WindowPosition(app.meter.window);
    at.x = *x;
    w.MoveWindow(app.meter.window, at);
    RememberEdge(app.meter.leftEdge, left, at.x);
    return true;
}

bool SetWindowTopTwips(MeterApp& app, float top) {
    WindowSystem& w = app.platform.window;
    const std::optional<int> y = TwipsToPixels(top, TwipsPerPixel(app));
    if (!y)
        return false;
    PixelPoint at = w.WindowPosition(app.meter.window);
    at.y = *y;
    w.MoveWindow(app.meter.window, at);
    RememberEdge(app.meter.topEdge, top, at.y);
    return true;
}

// An edge no window can take is out of range like any other such number: the design position stands.
void PlaceLeftAtStartup(MeterApp& app, float left) {
    if (!SetWindowLeftTwips(app, left))
        return;
    if (app.settings.adjusted_flg != 1)
        return;
    if (WindowLeftTwips(app) + kScreenEdgeMarginTwips > ScreenWidthTwips(app))
        SetWindowLeftTwips(app, ScreenWidthTwips(app) - WindowWidthTwips(app));
    if (WindowLeftTwips(app) < -kScreenEdgeMarginTwips)
        SetWindowLeftTwips(app, 0.0f);
}

void PlaceTopAtStartup(MeterApp& app, float top) {
    if (!SetWindowTopTwips(app, top))
        return;
    if (WindowTopTwips(app) + kScreenEdgeMarginTwips > ScreenHeightTwips(app))
        SetWindowTopTwips(app, ScreenHeightTwips(app) - WindowHeightTwips(app));
    if (WindowTopTwips(app) < -kScreenEdgeMarginTwips)
        SetWindowTopTwips(app, 0.0f);
}

}  // namespace dorv
