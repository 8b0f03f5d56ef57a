#include "app/meter_events.h"

#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
#include "app/sample_tick.h"
#include "dialogs/about/about_box.h"
#include "dialogs/settings/settings_dialog.h"
#include "tray_menu/illumination.h"
#include "tray_menu/menu_frm.h"
#include "tray_menu/tray_icon.h"
#include "window/dial_mouse.h"

namespace dorv {
namespace {

constexpr unsigned kTrayDoubleClick = 0x203;
constexpr unsigned kTrayRightButtonUp = 0x205;

}  // namespace

void OnMeterTimer(MeterApp& app, TimerId timer) {
    if (app.unloading)
        return;
    switch (timer) {
        case TimerId::Timer1:
            SampleTick(app);
            break;
        case TimerId::Timer2:
            ScheduleCheck(app);
            break;
        case TimerId::Timer3:
            RestoreTranslucency(app);
            break;
        case TimerId::TrayRetry:  // not the dial's
        case TimerId::AboutRefresh:
            break;
    }
}

void OnTimer(MeterApp& app, TimerId timer) {
    if (app.unloading)
        return;
    switch (timer) {
        case TimerId::Timer1:
        case TimerId::Timer2:
        case TimerId::Timer3:
            OnMeterTimer(app, timer);
            break;
        case TimerId::TrayRetry:
            RetryTrayIcon(app);
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
        DialMouseDown(app, button, modifiers, x, y);
}

void OnDialMouseUp(MeterApp& app, MouseButton button, int modifiers, int x, int y) {
    if (!app.unloading)
        DialMouseUp(app, button, modifiers, x, y);
}

void OnDialMouseMove(MeterApp& app, int buttons, int modifiers, int x, int y) {
    if (!app.unloading)
        DialMouseMove(app, buttons, modifiers, x, y);
}

void OnTrayCallback(MeterApp& app, unsigned mouseMessage) {
    if (app.unloading)
        return;
    if (mouseMessage == kTrayDoubleClick) {
        OpenSettingsDialog(app);
    } else if (mouseMessage == kTrayRightButtonUp) {
        // The menu window must be in front, and one pass of pending messages must run, before the popup.
        app.platform.window.SetForegroundWindow(app.menu.window);
        app.platform.timers.PumpMessagesOnce();
        if (!app.unloading)
            ShowPopupMenu(app);
    }
}

void OnTaskbarCreated(MeterApp& app) {
    if (!app.unloading)
        RestoreTrayIcon(app);
}

void OnMenuTimer(MeterApp& app, TimerId timer) {
    if (!app.unloading && timer == TimerId::TrayRetry)
        RetryTrayIcon(app);
}

}  // namespace dorv
