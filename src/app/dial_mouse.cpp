#include "app/dial_mouse.h"

#include "app/menu_commands.h"
#include "app/meter_events.h"
#include "app/meter_timers.h"
#include "state/meter_app.h"
#include "window/placement.h"
#include "window/window_shape.h"

namespace dorv {
namespace {

bool Contains(const LabelView& label, int x, int y) {
    return label.visible && x >= label.left && x < label.left + label.width && y >= label.top &&
           y < label.top + label.height;
}

// While the pointer moves over a translucent dial it is shown opaque; the setting itself never changes.
void CancelTranslucency(MeterApp& app) {
    if (app.settings.Mouse_Cancel != 1 || app.settings.Transparency == 255)
        return;
    const std::int32_t kept = app.settings.Transparency;
    app.settings.Transparency = 255;
    ApplyTransparency(app, app.meter.window);
    app.settings.Transparency = kept;
    // Setting the interval again restarts the countdown.
    SetMeterTimerInterval(app, TimerId::OpaqueHold, kOpaqueHoldMs);
}

}  // namespace

bool IsOnLabel(const MeterApp& app, int x, int y) {
    return Contains(app.meter.readoutLabel, x, y) || Contains(app.meter.modeLabel, x, y);
}

void DialMouseDown(MeterApp& app, int button, int modifiers, int x, int y) {
    (void)modifiers;
    if (button != LeftButton || IsOnLabel(app, x, y))
        return;
    app.platform.window.BeginWindowDrag(app.meter.window);
}

void DialMouseUp(MeterApp& app, int button, int modifiers, int x, int y) {
    (void)modifiers;
    (void)x;
    (void)y;
    // On the dial and on its labels alike.
    if (button == RightButton)
        ShowPopupMenu(app);
}

void DialMouseMove(MeterApp& app, int buttons, int modifiers, int x, int y) {
    (void)buttons;
    if (IsOnLabel(app, x, y))
        return;
    if (app.settings.meter_move_flg == 1 && modifiers == 0)
        AvoidPointer(app, x, y);
    CancelTranslucency(app);
}

void AvoidPointer(MeterApp& app, int x, int y) {
    const double width = kDialSizePixels;
    const double height = kDialSizePixels;
    // The monitor the dial is on before the step: it wraps around that one, not the primary.
    const TwipsRect monitor = DialMonitorTwips(app);
    if (x < width / 3)
        SetWindowLeftTwips(app, WindowLeftTwips(app) + kAvoidStepTwips);
    else if (x > width - width / 3)
        SetWindowLeftTwips(app, WindowLeftTwips(app) - kAvoidStepTwips);
    if (y < height / 3)
        SetWindowTopTwips(app, WindowTopTwips(app) + kAvoidStepTwips);
    else if (y > height - height / 3)
        SetWindowTopTwips(app, WindowTopTwips(app) - kAvoidStepTwips);
    // Off one edge, the dial comes back at the other.
    if (WindowLeftTwips(app) < monitor.left)
        SetWindowLeftTwips(app, monitor.right - WindowWidthTwips(app));
    if (monitor.right - WindowWidthTwips(app) < WindowLeftTwips(app))
        SetWindowLeftTwips(app, monitor.left);
    if (WindowTopTwips(app) < monitor.top)
        SetWindowTopTwips(app, monitor.bottom - WindowHeightTwips(app));
    if (monitor.bottom - WindowHeightTwips(app) < WindowTopTwips(app))
        SetWindowTopTwips(app, monitor.top);
}

void RestoreTranslucency(MeterApp& app) {
    ApplyTransparency(app, app.meter.window);
    SetMeterTimerInterval(app, TimerId::OpaqueHold, 0);
}

}  // namespace dorv
