#include "app/menu_commands.h"

#include "app/about_box.h"
#include "app/illumination.h"
#include "app/menu_window.h"
#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
#include "app/meter_timers.h"
#include "app/mode_layout.h"
#include "app/move_needle.h"
#include "app/settings_dialog.h"
#include "render/dial_surface.h"
#include "tray_menu/tray_icon.h"
#include "window/window_shape.h"

namespace dorv {
// The mode's table row does the layout, timer and face; what differs is where the needle starts.
void SelectMode(MeterApp& app, int mode) {
    if (mode < MeterMode::Mem || mode > MeterMode::Clock)
        return;
    const bool fromClock = IsMenuChecked(app, MenuItemId::Clock);
    if (mode == MeterMode::Mem || mode == MeterMode::VMem) {
        // From the clock the needle starts at zero; otherwise one point lower, so the next tick redraws.
        if (fromClock) {
            app.ShownValue = 0.0;
            ClearDrawing(Surface(app));
        } else {
            app.ShownValue -= 1.0;
            if (app.ShownValue > 100.0)
                app.ShownValue = 100.0;
            if (app.ShownValue < 0.0)
                app.ShownValue = 0.0;
        }
    } else if (mode == MeterMode::Cpu && fromClock) {
        app.ShownValue = 0.0;
    }
    CheckModeItem(app, mode);
    app.settings.Needle = static_cast<std::int16_t>(mode);
    EnterModeLayout(app, mode);
    SetModeTimer(app, mode);
    ShowModeFace(app, mode);
    if (mode == MeterMode::Clock && app.settings.Icon_view == 1)
        ResetTrayIcon(Tray(app));
}

void ToggleAlwaysOnTop(MeterApp& app) {
    bool on = !IsMenuChecked(app, MenuItemId::AlwaysOnTop);
    SetMenuChecked(app, MenuItemId::AlwaysOnTop, on);
    app.settings.Top_view = on ? 1 : 0;
    // Also shows a dial that Hide_Meter kept hidden.
    SetStacking(app.platform.window, app.meter.window, app.settings.Top_view);
}

void TogglePause(MeterApp& app) {
    const bool cpu = app.settings.Needle == MeterMode::Cpu;
    if (IsMenuChecked(app, MenuItemId::Pause)) {
        SetMenuChecked(app, MenuItemId::Pause, false);
        SetMeterTimerEnabled(app, TimerId::Sample, true);
        if (cpu) {
            ClearDrawing(Surface(app));
            SetPersistentDrawing(Surface(app), false);
        }
        return;
    }
    SetMenuChecked(app, MenuItemId::Pause, true);
    SetMeterTimerEnabled(app, TimerId::Sample, false);
    // Kept while paused, so the sunk needle survives repaints.
    if (cpu)
        SetPersistentDrawing(Surface(app), true);
    while (app.ShownValue > 0.0) {
        app.platform.timers.PumpMessagesOnce();
        if (app.unloading)  // Quit ran inside the pass
            return;
        MoveNeedle(app, 0.0);
    }
}

void RunMenuCommand(MeterApp& app, MenuItemId id) {
    switch (id) {
        case MenuItemId::Mem:
            SelectMode(app, MeterMode::Mem);
            break;
        case MenuItemId::VMem:
            SelectMode(app, MeterMode::VMem);
            break;
        case MenuItemId::Cpu:
            SelectMode(app, MeterMode::Cpu);
            break;
        case MenuItemId::Clock:
            SelectMode(app, MeterMode::Clock);
            break;
        case MenuItemId::AlwaysOnTop:
            ToggleAlwaysOnTop(app);
            break;
        case MenuItemId::Pause:
            TogglePause(app);
            break;
        case MenuItemId::Illumination:
            IlluminationCommand(app);
            break;
        case MenuItemId::Options:
            OpenSettingsDialog(app);
            break;
        case MenuItemId::Help:
            app.platform.help.ShowHelp(app.menu.window, kHelpFile, "");
            break;
        case MenuItemId::About:
            OpenAboutBox(app);
            break;
        case MenuItemId::Quit:
            Quit(app);
            break;
    }
}

void ShowPopupMenu(MeterApp& app) {
    RefreshMenuChecks(app);
    int chosen = app.platform.menu.TrackPopup(app.menu.window, MenuRows(app.menu));
    if (chosen >= 1 && chosen <= kMenuItemCount && !app.unloading)
        RunMenuCommand(app, static_cast<MenuItemId>(chosen - 1));
}

}  // namespace dorv
