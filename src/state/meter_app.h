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
#include "state/setting_frm.h"
#include "state/tray_state.h"

namespace dorv {

// The dial's side in design pixels (device pixels at 96 dpi).
inline constexpr int kDialSizePixels = 100;
// The dial window's title, also the title of the program's messages.
inline constexpr const char* kMeterTitle = "Dorvanix";

struct TimerState {
    int interval = 0;  // milliseconds; 0 or less is stopped
    bool enabled = true;
};

// A window edge as last set in twips, valid while the window stays on the pixel that gave.
struct TwipsEdge {
    bool known = false;
    float twips = 0;
    int pixels = 0;
};

// The dial window and what it owns.
struct MeterFrm : DialState {
    WindowHandle window = nullptr;
    TimerState sampleTimer{100, true};
    TimerState scheduleTimer{0, true};
    TimerState opaqueHoldTimer{0, true};
    TwipsEdge leftEdge;
    TwipsEdge topEdge;
};

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

// The dial window as a drawing surface.
inline DialSurface Surface(MeterApp& app) {
    return {app.platform.drawing, app.meter.window, app.meter};
}

}  // namespace dorv
