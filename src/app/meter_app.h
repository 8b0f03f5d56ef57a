#pragma once
// The program-wide state that every window's handlers work on, held once for the whole run.
#include <array>
#include <cstdint>
#include <string>

#include "metrics/cpu_counter.h"
#include "platform/platform.h"
#include "render/colours.h"
#include "render/dial_surface.h"
#include "settings/meter_settings.h"
#include "settings/settings_file.h"
#include "state/about_frm.h"
#include "state/menu_state.h"
#include "state/meter_frm.h"
#include "state/setting_frm.h"
#include "state/tray_state.h"
#include "tray_menu/tray_icon.h"
#include "window/placement.h"

namespace dorv {

struct MeterApp {
    explicit MeterApp(Platform host) : platform(host), settingsFile{&host.ini, std::string(), "."} {}

    Platform platform;
    SettingsFile settingsFile;
    MeterSettings settings;

    double ShownValue = 0.0;
    std::int32_t CurrentValue = 0;
    std::array<double, 6> ZanzoHistory{};

    ActiveColours activeColours;
    AfterimageColours afterimageColours;

    MeterFrm meter;
    MenuFrm menu;
    TrayIconRecord tray;
    CpuCounter cpu;
    SettingFrm settingFrm;  // the settings dialog while open
    AboutFrm aboutFrm;      // the about box while open

    bool unloading = false;
};

// The parts of the program that live below it, each handed exactly what it works on.

// The dial window as a drawing surface.
inline DialSurface Surface(MeterApp& app) {
    return {app.platform.drawing, app.meter.window, app.meter};
}

// The dial window for placement. Made afresh for each use: it copies the window handle.
inline DialPlacement Placement(MeterApp& app) {
    return {app.platform.window, app.meter.window, app.meter.leftEdge, app.meter.topEdge, app.meter.desktopScale};
}

// The tray icon, owned by the menu window. Made afresh for each use: it copies the menu window's handle.
inline TrayIconParts Tray(MeterApp& app) {
    return {app.platform.tray, app.platform.timers, app.platform.system, app.menu.window, app.tray, app.settings};
}

}  // namespace dorv
