#include "app/meter_events.h"

#include "app/about_box.h"
#include "app/dial_dpi.h"
#include "app/dial_mouse.h"
#include "app/illumination.h"
#include "app/menu_commands.h"
#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
#include "app/sample_tick.h"
#include "app/settings_dialog.h"
#include "tray_menu/menu_frm.h"
#include "tray_menu/tray_icon.h"
#include "window/placement.h"

namespace dorv {

void OnTimer(MeterApp& app, TimerId timer) {
    if (app.unloading)
        return;
    switch (timer) {
        case TimerId::Sample:
            SampleTick(app);
            break;
        case TimerId::Schedule:
            ScheduleCheck(app);
            break;
        case TimerId::OpaqueHold:
            RestoreTranslucency(app);
            break;
        case TimerId::TrayRetry:
            RetryTrayIcon(Tray(app));
            break;
        case TimerId::AboutRefresh:
            RefreshAboutReport(app);
            break;
    }
}

void OnDialogEvent(MeterApp& app, WindowHandle dialog, int controlId, DialogEvent event) {
    if (app.unloading || dialog == nullptr)
        return;
    if (dialog == app.settingFrm.window)
        OnSettingsDialogEvent(app, controlId, event);
    else if (dialog == app.aboutFrm.window)
        OnAboutBoxEvent(app, controlId, event);
}

void OnMeterCloseRequest(MeterApp& app) {
    Quit(app, QuitCause::Request);
}

void OnSessionEnd(MeterApp& app) {
    Quit(app, QuitCause::SessionEnd);
}

void OnDialMouseDown(MeterApp& app, MouseButton button, int modifiers, int x, int y) {
    if (!app.unloading)
        DialMouseDown(app, button, modifiers, app.meter.scale.ToDesign(x), app.meter.scale.ToDesign(y));
}

void OnDialMouseUp(MeterApp& app, MouseButton button, int modifiers, int x, int y) {
    if (!app.unloading)
        DialMouseUp(app, button, modifiers, app.meter.scale.ToDesign(x), app.meter.scale.ToDesign(y));
}

void OnDialMouseMove(MeterApp& app, int buttons, int modifiers, int x, int y) {
    if (!app.unloading)
        DialMouseMove(app, buttons, modifiers, app.meter.scale.ToDesign(x), app.meter.scale.ToDesign(y));
}

void OnDialDpiChanged(MeterApp& app, int dpi) {
    if (!app.unloading)
        ChangeDialDpi(app, dpi);
}

void OnDisplayChanged(MeterApp& app) {
    if (!app.unloading && app.meter.window != nullptr)
        KeepOnAMonitor(Placement(app));
}

void OnTrayCallback(MeterApp& app, TrayMouseEvent event) {
    if (app.unloading)
        return;
    if (event == TrayMouseEvent::LeftDoubleClick) {
        OpenSettingsDialog(app);
    } else if (event == TrayMouseEvent::RightButtonUp) {
        // The menu window must be in front, and one pass of pending messages must run, before the popup.
        app.platform.window.SetForegroundWindow(app.menu.window);
        app.platform.timers.PumpMessagesOnce();
        if (!app.unloading)
            ShowPopupMenu(app);
    }
}

void OnTaskbarCreated(MeterApp& app) {
    if (!app.unloading)
        RestoreTrayIcon(Tray(app));
}

}  // namespace dorv
