#include "window/placement.h"

#include <cmath>

#include "app/meter_app.h"

namespace dorv {
namespace {

// Whole pixels toward zero, so an edge stored just inside the screen margin stays inside it.
int TwipsToPixels(float twips, double twipsPerPixel) {
    return static_cast<int>(std::trunc(static_cast<double>(twips) / twipsPerPixel));
}

float PixelsToTwips(int pixels, double twipsPerPixel) {
    return static_cast<float>(pixels * twipsPerPixel);
}

}  // namespace

float WindowLeftTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return PixelsToTwips(w.WindowPosition(app.meter.window).x, w.TwipsPerPixelX());
}

float WindowTopTwips(MeterApp& app) {
    WindowSystem& w = app.platform.window;
    return PixelsToTwips(w.WindowPosition(app.meter.window).y, w.TwipsPerPixelY());
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
}

void SetWindowTopTwips(MeterApp& app, float top) {
    WindowSystem& w = app.platform.window;
    PixelPoint at = w.WindowPosition(app.meter.window);
    at.y = TwipsToPixels(top, w.TwipsPerPixelY());
    w.MoveWindow(app.meter.window, at);
}

void PlaceLeftAtStartup(MeterApp& app, float left) {
    SetWindowLeftTwips(app, left);
    if (app.settings.adjusted_flg != 1)
        return;
    // The first test sees the stored value itself, the second the edge the window actually took.
    if (left + kScreenEdgeMarginTwips > ScreenWidthTwips(app))
        SetWindowLeftTwips(app, ScreenWidthTwips(app) - WindowWidthTwips(app));
    if (WindowLeftTwips(app) < -kScreenEdgeMarginTwips)
        SetWindowLeftTwips(app, 0.0f);
}

void PlaceTopAtStartup(MeterApp& app, float top) {
    SetWindowTopTwips(app, top);
    if (top + kScreenEdgeMarginTwips > ScreenHeightTwips(app))
        SetWindowTopTwips(app, ScreenHeightTwips(app) - WindowHeightTwips(app));
    if (WindowTopTwips(app) < -kScreenEdgeMarginTwips)
        SetWindowTopTwips(app, 0.0f);
}

}  // namespace dorv
