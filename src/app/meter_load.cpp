#include "app/dial_dpi.h"
#include "app/illumination.h"
#include "app/menu_window.h"
#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
#include "app/meter_timers.h"
#include "app/mode_layout.h"
#include "metrics/cpu_counter.h"
#include "render/colours.h"
#include "render/dial_surface.h"
#include "render/readout.h"
#include "settings/settings_file.h"
#include "tray_menu/tray_icon.h"
#include "window/placement.h"
#include "window/window_shape.h"

namespace dorv {

// The whole load, in its fixed order: settings are read key by key with the actions between reads.
void LoadMeterFrm(MeterApp& app) {
    MeterSettings& s = app.settings;
    const SettingsFile& file = app.settingsFile;
    CreateScaledMeterWindow(app, kMeterTitle);

    // 1-2. English before anything touches the menu window, whose load reads it.
    LoadSetting(file, SettingKey::English, s);
    LoadSetting(file, SettingKey::adjusted_flg, s);
    // 3-4. Position, pulled back onto its monitor. Top is read before Left is placed only so that Left is judged
    // on the monitor at the stored position; the edges are still placed and corrected Left first.
    const std::optional<float> left = LoadPosition(file, SettingKey::Left);
    const std::optional<float> top = LoadPosition(file, SettingKey::Top);
    if (left)
        PlaceLeftAtStartup(Placement(app), *left, top, s.adjusted_flg == 1);
    if (top)
        PlaceTopAtStartup(Placement(app), *top);
    // 5-6. Menu marks for always-on-top and the mode.
    LoadSetting(file, SettingKey::Top_view, s);
    if (s.Top_view == 1)
        SetMenuChecked(app, MenuItemId::AlwaysOnTop, true);
    LoadSetting(file, SettingKey::Needle, s);
    CheckModeItem(app, s.Needle);
    // 7-8. View settings, then translucency while the window is still hidden.
    for (SettingKey key :
         {SettingKey::Needle_type, SettingKey::Label_view, SettingKey::Mode_view, SettingKey::Icon_view,
          SettingKey::Hide_Meter, SettingKey::Zanzo_view, SettingKey::Zanzo_max, SettingKey::Transparency})
        LoadSetting(file, key, s);
    ApplyTransparency(app.platform.window, app.platform.os, app.meter.window, s.Transparency);
    // 9. Motion settings; the sampling timer runs at Watch_time in every mode, Clock included.
    LoadSetting(file, SettingKey::Mouse_Cancel, s);
    LoadSetting(file, SettingKey::Move_quantity, s);
    LoadSetting(file, SettingKey::Watch_time, s);
    SetMeterTimerInterval(app, TimerId::Sample, s.Watch_time);
    // 10. Warning threshold and the twelve colours.
    for (SettingKey key :
         {SettingKey::Warning, SettingKey::Needle_color, SettingKey::Illumi_needle_color,
          SettingKey::Needle_shadow_color, SettingKey::Illumi_needle_shadow_color, SettingKey::Needle_color2,
          SettingKey::Illumi_needle_color2, SettingKey::Needle_shadow_color2, SettingKey::Illumi_needle_shadow_color2,
          SettingKey::Second_color, SettingKey::Illumi_second_color, SettingKey::Font_color,
          SettingKey::Illumi_font_color})
        LoadSetting(file, key, s);
    // 11. Illumination; its face follows the mode marks of step 6.
    LoadSetting(file, SettingKey::Illumination, s);
    SetIllumination(app);
    // 12-13. Beeps, avoidance and the schedule, which runs only with both times.
    for (SettingKey key : {SettingKey::max_beep_flg, SettingKey::down_beep_flg, SettingKey::meter_move_flg,
                           SettingKey::illumi_on_time, SettingKey::illumi_off_time})
        LoadSetting(file, key, s);
    bool scheduled = !s.illumi_on_time.empty() && !s.illumi_off_time.empty();
    SetMeterTimerInterval(app, TimerId::Schedule, scheduled ? kScheduleCheckMs : 0);
    // 14-16. Labels laid out for the mode and shown as asked.
    ApplyModeLayout(app, s.Needle);
    if (s.Label_view == 1) {
        UpdateReadout(Surface(app), app.ShownValue, app.settingsFile.decimalSymbol);
        app.meter.readoutLabel.visible = true;
    } else {
        app.meter.readoutLabel.visible = false;
    }
    app.meter.modeLabel.visible = s.Mode_view == 1;
    RefreshLabels(Surface(app));
    // 17-18. The dial's centre, then the round shape.
    LoadSetting(file, SettingKey::Center, s);
    AttachDialRegion(app.platform.window, app.meter.window, app.meter.scale);
    // 19. The needle starts at zero with a blank readout.
    app.ShownValue = 0.0;
    app.meter.readoutLabel.text.clear();
    RefreshLabel(Surface(app), DialLabelId::Readout);
    // 20-22. The menu window (long since created), the tray icon, the afterimage shades.
    TouchMenuFrm(app);
    if (s.Icon_view == 1)
        AddTrayIcon(Tray(app));
    app.afterimageColours = ComputeAfterimageColours(s);
    // 23. The CPU counter opens in every mode: the query of processor times, or the older family's kernel statistic.
    if (app.platform.os.QueryCapabilities().cpu == CpuSource::ProcessorTimes)
        OpenCpuCounter(app.platform, app.cpu);
    else
        StartCpuStatistic(app.platform, app.cpu, app.CurrentValue);
    // 24. The virtual-memory mode where the system offers it; a stored one still runs.
    if (!app.platform.os.QueryCapabilities().pageFileMode)
        SetMenuEnabled(app, MenuItemId::VMem, false);
}

}  // namespace dorv
