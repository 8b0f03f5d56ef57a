#include "app/dial_mouse.h"

#include "app/menu_commands.h"
#include "app/meter_app.h"
#include "app/meter_events.h"
#include "app/meter_timers.h"
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
    ApplyTransparency(app.platform.window, app.platform.os, app.meter.window, kOpaque);
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
    const DialPlacement dial = Placement(app);
    const TwipsRect monitor = DialMonitorTwips(dial);
    for (Axis axis : kAxes) {
        const int at = axis == Axis::Horizontal ? x : y;
        if (at < size / 3)
            SetWindowEdgeTwips(dial, axis, WindowEdgeTwips(dial, axis) + kAvoidStepTwips);
        else if (at > size - size / 3)
            SetWindowEdgeTwips(dial, axis, WindowEdgeTwips(dial, axis) - kAvoidStepTwips);
    }
    // Off one edge, the dial comes back at the other.
    for (Axis axis : kAxes) {
        if (WindowEdgeTwips(dial, axis) < monitor.Low(axis))
            SetWindowEdgeTwips(dial, axis, monitor.High(axis) - WindowExtentTwips(dial, axis));
        if (monitor.High(axis) - WindowExtentTwips(dial, axis) < WindowEdgeTwips(dial, axis))
            SetWindowEdgeTwips(dial, axis, monitor.Low(axis));
    }
}

void RestoreTranslucency(MeterApp& app) {
    ApplyTransparency(app.platform.window, app.platform.os, app.meter.window, app.settings.Transparency);
    SetMeterTimerInterval(app, TimerId::OpaqueHold, 0);
}

}  // namespace dorv
