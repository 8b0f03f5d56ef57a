#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
#include "app/meter_timers.h"
#include "app/mode_layout.h"
#include "metrics/cpu_counter.h"
#include "metrics/os_checks.h"
#include "render/colours.h"
#include "render/readout.h"
#include "settings/settings_file.h"
#include "tray_menu/illumination.h"
#include "tray_menu/menu_frm.h"
#include "tray_menu/tray_icon.h"
#include "window/placement.h"
#include "window/window_shape.h"

namespace dorv {
namespace {

constexpr int kScheduleCheckMs = 5000;

MenuItemId ModeMenuItem(int mode) {
    switch (mode) {
        case MeterMode::Mem:
            return MenuItemId::MNU_M_P;
        case MeterMode::VMem:
            return MenuItemId::MNU_M_V;
        case MeterMode::Cpu:
            return MenuItemId::MNU_M_C;
        default:
            return MenuItemId::MNU_M_L;
    }
}

}  // namespace

// The order matters: English before the menu window is first touched, the mode marks before
// SetIllumination picks a face, the layout before the region, the tray icon before the shades.
void LoadMeterFrm(MeterApp& app) {
    MeterSettings& s = app.settings;
    const SettingsFile& file = app.settingsFile;
    app.meter.window = app.platform.window.CreateMeterWindow(kMeterTitle, {kDialSizePixels, kDialSizePixels});

    LoadSetting(file, SettingKey::English, s);                                         // 1
    LoadSetting(file, SettingKey::adjusted_flg, s);                                    // 2
    if (std::optional<float> left = LoadPosition(file, SettingKey::Left))              // 3
        PlaceLeftAtStartup(app, *left);
    if (std::optional<float> top = LoadPosition(file, SettingKey::Top))                // 4
        PlaceTopAtStartup(app, *top);
    LoadSetting(file, SettingKey::Top_view, s);                                        // 5
    if (s.Top_view == 1)
        SetMenuChecked(app, MenuItemId::MNU_M_T, true);
    LoadSetting(file, SettingKey::Needle, s);                                          // 6
    if (s.Needle >= MeterMode::Mem && s.Needle <= MeterMode::Clock)
        SetMenuChecked(app, ModeMenuItem(s.Needle), true);
    for (SettingKey key : {SettingKey::Needle_type, SettingKey::Label_view, SettingKey::Mode_view,  // 7
                           SettingKey::Icon_view, SettingKey::Hide_Meter, SettingKey::Zanzo_view,
                           SettingKey::Zanzo_max, SettingKey::Transparency})
        LoadSetting(file, key, s);
    ApplyTransparency(app, app.meter.window);                                          // 8
    LoadSetting(file, SettingKey::Mouse_Cancel, s);                                    // 9
    LoadSetting(file, SettingKey::Move_quantity, s);
    LoadSetting(file, SettingKey::Watch_time, s);
    SetMeterTimerInterval(app, TimerId::Timer1, s.Watch_time);
    for (SettingKey key : {SettingKey::Warning, SettingKey::Needle_color, SettingKey::Illumi_needle_color,  // 10
                           SettingKey::Needle_shadow_color, SettingKey::Illumi_needle_shadow_color,
                           SettingKey::Needle_color2, SettingKey::Illumi_needle_color2,
                           SettingKey::Needle_shadow_color2, SettingKey::Illumi_needle_shadow_color2,
                           SettingKey::Second_color, SettingKey::Illumi_second_color, SettingKey::Font_color,
                           SettingKey::Illumi_font_color})
        LoadSetting(file, key, s);
    LoadSetting(file, SettingKey::Illumination, s);                                    // 11
    SetIllumination(app);
    for (SettingKey key : {SettingKey::max_beep_flg, SettingKey::down_beep_flg, SettingKey::meter_move_flg,  // 12
                           SettingKey::illumi_on_time, SettingKey::illumi_off_time})
        LoadSetting(file, key, s);
    bool scheduled = !s.illumi_on_time.empty() && !s.illumi_off_time.empty();          // 13
    SetMeterTimerInterval(app, TimerId::Timer2, scheduled ? kScheduleCheckMs : 0);
    ApplyModeLayout(app, s.Needle);                                                    // 14
    if (s.Label_view == 1) {                                                           // 15
        UpdateReadout(app);
        app.meter.Label1.visible = true;
    } else {
        app.meter.Label1.visible = false;
    }
    app.meter.Label2.visible = s.Mode_view == 1;                                       // 16
    LoadSetting(file, SettingKey::Center, s);                                          // 17
    AttachDialRegion(app);                                                             // 18
    app.ShownValue = 0.0;                                                              // 19
    app.meter.Label1.caption.clear();
    TouchMenuFrm(app);                                                                 // 20
    if (s.Icon_view == 1)                                                              // 21
        AddTrayIcon(app);
    app.afterimageColours = ComputeAfterimageColours(s);                               // 22
    if (IsWinNT(app.platform.os))                                                      // 23
        OpenCpuCounter(app.platform, app.cpu);
    if (IsVistaOrLater(app.platform.os))                                               // 24
        SetMenuEnabled(app, MenuItemId::MNU_M_V, false);
}

}  // namespace dorv
