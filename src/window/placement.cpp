#include "window/placement.h"

#include <cmath>

#include "app/meter_app.h"

namespace dorv {
namespace {

// Whole pixels, to the nearest.
int TwipsToPixels(float twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
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

void RememberEdge(TwipsEdge& edge, float twips, int pixels) {
    edge = TwipsEdge{true, twips, pixels};
}

}  // namespace

float WindowLeftTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return EdgeTwips(app.meter.leftEdge, w.WindowPosition(app.meter.window).x, w.TwipsPerPixelX());
}

float WindowTopTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return EdgeTwips(app.meter.topEdge, w.WindowPosition(app.meter.window).y, w.TwipsPerPixelY());
}

float WindowWidthTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return PixelsToTwips(w.WindowSize(app.meter.window).width, w.TwipsPerPixelX());
}

float WindowHeightTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return PixelsToTwips(w.WindowSize(app.meter.window).height, w.TwipsPerPixelY());
}

float ScreenWidthTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return PixelsToTwips(w.PrimaryScreenSize().width, w.TwipsPerPixelX());
}

float ScreenHeightTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return PixelsToTwips(w.PrimaryScreenSize().height, w.TwipsPerPixelY());
}

void SetWindowLeftTwips(MeterApp& app, float left) {
    WindowSystem& w = app.platform.window;
    PixelPoint at = w.WindowPosition(app.meter.window);
    at.x = TwipsToPixels(left, w.TwipsPerPixelX());
    w.MoveWindow(app.meter.window, at);
    RememberEdge(app.meter.leftEdge, left, at.x);
}

void SetWindowTopTwips(MeterApp& app, float top) {
    WindowSystem& w = app.platform.window;
    PixelPoint at = w.WindowPosition(app.meter.window);
    at.y = TwipsToPixels(top, w.TwipsPerPixelY());
    w.MoveWindow(app.meter.window, at);
    RememberEdge(app.meter.topEdge, top, at.y);
}

void PlaceLeftAtStartup(MeterApp& app, float left) {
    SetWindowLeftTwips(app, left);
    if (app.settings.adjusted_flg != 1)
        return;
    if (WindowLeftTwips(app) + kScreenEdgeMarginTwips > ScreenWidthTwips(app))
        SetWindowLeftTwips(app, ScreenWidthTwips(app) - WindowWidthTwips(app));
    if (WindowLeftTwips(app) < -kScreenEdgeMarginTwips)
        SetWindowLeftTwips(app, 0.0f);
}

void PlaceTopAtStartup(MeterApp& app, float top) {
    SetWindowTopTwips(app, top);
    if (WindowTopTwips(app) + kScreenEdgeMarginTwips > ScreenHeightTwips(app))
        SetWindowTopTwips(app, ScreenHeightTwips(app) - WindowHeightTwips(app));
    if (WindowTopTwips(app) < -kScreenEdgeMarginTwips)
        SetWindowTopTwips(app, 0.0f);
}

}  // namespace dorv
