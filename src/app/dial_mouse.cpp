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
    if (app.settings.Mouse_Cancel != 1 || app.settings.Transparency == kOpaque)
        return;
    const std::int32_t kept = app.settings.Transparency;
    app.settings.Transparency = kOpaque;
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
    const double size = kDialSizePixels;
    // The monitor the dial is on before the step: it wraps around that one, not the primary.
    const TwipsRect monitor = DialMonitorTwips(app);
    for (Axis axis : kAxes) {
        const int at = axis == Axis::Horizontal ? x : y;
        if (at < size / 3)
            SetWindowEdgeTwips(app, axis, WindowEdgeTwips(app, axis) + kAvoidStepTwips);
        else if (at > size - size / 3)
            SetWindowEdgeTwips(app, axis, WindowEdgeTwips(app, axis) - kAvoidStepTwips);
    }
    // Off one edge, the dial comes back at the other.
    for (Axis axis : kAxes) {
        if (WindowEdgeTwips(app, axis) < monitor.Low(axis))
            SetWindowEdgeTwips(app, axis, monitor.High(axis) - WindowExtentTwips(app, axis));
        if (monitor.High(axis) - WindowExtentTwips(app, axis) < WindowEdgeTwips(app, axis))
            SetWindowEdgeTwips(app, axis, monitor.Low(axis));
    }
}

void RestoreTranslucency(MeterApp& app) {
    ApplyTransparency(app, app.meter.window);
    SetMeterTimerInterval(app, TimerId::OpaqueHold, 0);
}

}  // namespace dorv
