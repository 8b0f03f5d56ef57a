#include "tray_menu/menu_commands.h"

#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
#include "app/meter_timers.h"
#include "app/mode_layout.h"
#include "app/move_needle.h"
#include "dialogs/about/about_box.h"
#include "dialogs/settings/settings_dialog.h"
#include "render/dial_surface.h"
#include "tray_menu/illumination.h"
#include "tray_menu/tray_icon.h"
#include "window/window_shape.h"

namespace dorv {
namespace {

constexpr int kClockTickMs = 200;

DialFace MeterFace(const MeterApp& app) {
    return app.settings.Illumination ? DialFace::MeterLit : DialFace::Meter;
}

void SelectMemoryMode(MeterApp& app, int mode) {
    // From the clock the needle starts at zero; otherwise one point lower, so the next tick redraws.
    if (IsMenuChecked(app, MenuItemId::MNU_M_L)) {
        app.ShownValue = 0.0;
        ClearDrawing(app);
    } else {
        app.ShownValue -= 1.0;
        if (app.ShownValue > 100.0)
            app.ShownValue = 100.0;
        if (app.ShownValue < 0.0)
            app.ShownValue = 0.0;
    }
    CheckModeItem(app, mode);
    app.settings.Needle = static_cast<std::int16_t>(mode);
    ApplyModeLayout(app, mode);
    SetMeterTimerInterval(app, TimerId::Timer1, app.settings.Watch_time);
    SetPersistentDrawing(app, true);
    ShowFace(app, MeterFace(app));
}

void SelectCpuMode(MeterApp& app) {
    if (IsMenuChecked(app, MenuItemId::MNU_M_L))
        app.ShownValue = 0.0;
    ClearDrawing(app);
    CheckModeItem(app, MeterMode::Cpu);
    app.settings.Needle = MeterMode::Cpu;
    ApplyModeLayout(app, MeterMode::Cpu);
    SetMeterTimerInterval(app, TimerId::Timer1, app.settings.Watch_time);
    SetPersistentDrawing(app, false);
    ShowFace(app, MeterFace(app));
}

void SelectClockMode(MeterApp& app) {
    CheckModeItem(app, MeterMode::Clock);
    app.settings.Needle = MeterMode::Clock;
    ShowWarningLamp(app, false);
    ApplyModeLayout(app, MeterMode::Clock);
    SetMeterTimerInterval(app, TimerId::Timer1, kClockTickMs);
    SetPersistentDrawing(app, true);
    ShowFace(app, app.settings.Illumination ? DialFace::ClockLit : DialFace::Clock);
    if (app.settings.Icon_view == 1)
        ResetTrayIcon(app);
}

}  // namespace

void SelectMode(MeterApp& app, int mode) {
    switch (mode) {
        case MeterMode::Mem:
        case MeterMode::VMem:
            SelectMemoryMode(app, mode);
            break;
        case MeterMode::Cpu:
            SelectCpuMode(app);
            break;
        case MeterMode::Clock:
            SelectClockMode(app);
            break;
        default:
            break;
    }
}

void ToggleAlwaysOnTop(MeterApp& app) {
    bool on = !IsMenuChecked(app, MenuItemId::MNU_M_T);
    SetMenuChecked(app, MenuItemId::MNU_M_T, on);
    app.settings.Top_view = on ? 1 : 0;
    // Also shows a dial that Hide_Meter kept hidden.
    SetStacking(app, app.meter.window, app.settings.Top_view);
}

void TogglePause(MeterApp& app) {
    const bool cpu = app.settings.Needle == MeterMode::Cpu;
    if (IsMenuChecked(app, MenuItemId::MNU_M_S)) {
        SetMenuChecked(app, MenuItemId::MNU_M_S, false);
        SetMeterTimerEnabled(app, TimerId::Timer1, true);
        if (cpu) {
            ClearDrawing(app);
            SetPersistentDrawing(app, false);
        }
        return;
    }
    SetMenuChecked(app, MenuItemId::MNU_M_S, true);
    SetMeterTimerEnabled(app, TimerId::Timer1, false);
    // Kept while paused, so the sunk needle survives repaints.
    if (cpu)
        SetPersistentDrawing(app, true);
    while (app.ShownValue > 0.0) {
        app.platform.timers.PumpMessagesOnce();
        if (app.unloading)  // Quit ran inside the pass
            return;
        MoveNeedle(app, 0.0);
    }
}

void RunMenuCommand(MeterApp& app, MenuItemId id) {
    switch (id) {
        case MenuItemId::MNU_M_P:
            SelectMode(app, MeterMode::Mem);
            break;
        case MenuItemId::MNU_M_V:
            SelectMode(app, MeterMode::VMem);
            break;
        case MenuItemId::MNU_M_C:
            SelectMode(app, MeterMode::Cpu);
            break;
        case MenuItemId::MNU_M_L:
            SelectMode(app, MeterMode::Clock);
            break;
        case MenuItemId::MNU_M_T:
            ToggleAlwaysOnTop(app);
            break;
        case MenuItemId::MNU_M_S:
            TogglePause(app);
            break;
        case MenuItemId::MNU_M_I:
            IlluminationCommand(app);
            break;
        case MenuItemId::MNU_M_O:
            OpenSettingsDialog(app);
            break;
        case MenuItemId::MNU_M_H:
            app.platform.help.ShowHelp(app.menu.window, kHelpFile, "");
            break;
        case MenuItemId::MNU_M_A:
            OpenAboutBox(app);
            break;
        case MenuItemId::MNU_M_X:
            Quit(app);
            break;
    }
}

}  // namespace dorv
