#include "app/dial_dpi.h"

#include "app/meter_app.h"
#include "app/move_needle.h"
#include "app/sample_tick.h"
#include "render/dial_surface.h"
#include "window/window_shape.h"

namespace dorv {
namespace {

// A host that cannot tell (or tells nonsense) gets the design scale rather than a zero factor.
int UsableDpi(int dpi) {
    constexpr int kHighestDpi = 96 * 8;
    return dpi >= kDesignDpi / 2 && dpi <= kHighestDpi ? dpi : kDesignDpi;
}

void ApplyScale(MeterApp& app, int dpi) {
    app.meter.scale.dpi = UsableDpi(dpi);
    app.platform.drawing.SetScale(app.meter.window, app.meter.scale.dpi);
    SetPenWidth(Surface(app), app.meter.penWidth);
}

// What was on the dial, drawn again at the new scale without moving the needle or the trail.
void RedrawDial(MeterApp& app) {
    const int mode = app.settings.Needle;
    if (mode == MeterMode::Clock) {
        app.meter.readoutLabel.text.clear();  // the clock draws only a second it has not drawn yet
        ShowClock(app);
        return;
    }
    if (mode != MeterMode::Mem && mode != MeterMode::VMem && mode != MeterMode::Cpu)
        return;
    RedrawNeedle(app);
}

}  // namespace

WindowHandle CreateScaledMeterWindow(MeterApp& app, const char* title) {
    WindowSystem& w = app.platform.window;
    app.meter.scale.dpi = UsableDpi(w.WindowDpi(nullptr));
    app.meter.desktopScale = app.meter.scale;
    const int side = app.meter.scale.Pixels(kDialSizePixels);
    app.meter.window = w.CreateMeterWindow(title, {side, side});
    ApplyScale(app, app.meter.scale.dpi);
    return app.meter.window;
}

void ChangeDialDpi(MeterApp& app, int dpi) {
    if (UsableDpi(dpi) == app.meter.scale.dpi)
        return;
    ApplyScale(app, dpi);
    AttachDialRegion(app.platform.window, app.meter.window, app.meter.scale);
    RefreshLabels(Surface(app));
    RedrawDial(app);
}

}  // namespace dorv
