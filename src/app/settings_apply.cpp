#include "app/settings_apply.h"

#include "app/illumination.h"
#include "app/menu_window.h"
#include "app/meter_app.h"
#include "app/meter_timers.h"
#include "app/mode_layout.h"
#include "app/move_needle.h"
#include "dialogs/settings/colour_table.h"
#include "dialogs/settings/setting_form.h"
#include "render/colours.h"
#include "render/dial_surface.h"
#include "tray_menu/tray_icon.h"
#include "window/window_shape.h"

namespace dorv {
namespace {

std::int16_t Short(int value) {
    return static_cast<std::int16_t>(value);
}

std::int16_t Checked(const SettingForm& form, SettingControl box) {
    return Short(form[box] == 1 ? 1 : 0);
}

}  // namespace

// The steps in their fixed order, reading one control after another like the load reads the file.
void ApplySettingForm(MeterApp& app, SettingForm& form) {
    MeterSettings& s = app.settings;
    // 1-3. Mode and needle style; the dial is laid out for the mode at once. The menu's mode mark follows,
    // since the schedule's illumination switch picks the face by it.
    s.Needle = MeterMode::Clock;
    for (int mode = MeterMode::Mem; mode < MeterMode::Clock; ++mode)
        if (form[static_cast<SettingControl>(ModeMemory + mode)] == 1) {
            s.Needle = Short(mode);
            break;
        }
    s.Needle_type = Checked(form, NeedleSolid);
    EnterModeLayout(app, s.Needle);
    CheckModeItem(app, s.Needle);
    // 4-5. Language (for the next opening) and the readout label.
    s.English = Checked(form, EnglishCaptions);
    s.Label_view = Checked(form, ShowReadout);
    app.meter.readoutLabel.visible = s.Label_view == 1;
    RefreshLabel(Surface(app), DialLabelId::Readout);
    // 6-8.
    s.Transparency = form[Translucency] == 1 ? form[Alpha] : kOpaque;
    ApplyTransparency(app.platform.window, app.platform.os, app.meter.window, app.settings.Transparency);
    s.Mouse_Cancel = Checked(form, MouseCancel);
    s.Top_view = Checked(form, AlwaysOnTop);
    // 9. No threshold: the lamp goes out now.
    if (form[WarningEnabled] == 1) {
        s.Warning = Short(form[WarningLevel]);
    } else {
        s.Warning = kNoWarning;
        ShowWarningLamp(Surface(app), false);
    }
    // 10-11. Mode label, then the dial shown with its stacking or hidden.
    s.Mode_view = Checked(form, ShowModeLabel);
    app.meter.modeLabel.visible = s.Mode_view == 1;
    RefreshLabel(Surface(app), DialLabelId::Mode);
    s.Hide_Meter = Checked(form, DialOff);
    if (s.Hide_Meter != 1)
        SetStacking(app.platform.window, app.meter.window, s.Top_view);
    else
        app.platform.window.HideWindow(app.meter.window);
    // 12-13. Sliders whether enabled or not; the clock still ticks at its own pace.
    s.Zanzo_view = Checked(form, TrailEnabled);
    s.Zanzo_max = Short(form[TrailSlider]);
    s.Move_quantity = Short(form[ResponseSlider]);
    s.Watch_time = Short(form[IntervalSlider]);
    SetModeTimer(app, s.Needle);
    // 14. The schedule; equal times are accepted.
    if (form[ScheduleEnabled] == 1) {
        s.illumi_on_time = FormatMinutes(form[ScheduleOn]);
        s.illumi_off_time = FormatMinutes(form[ScheduleOff]);
        SetMeterTimerInterval(app, TimerId::Schedule, kScheduleCheckMs);
    } else {
        s.illumi_on_time.clear();
        s.illumi_off_time.clear();
        SetMeterTimerInterval(app, TimerId::Schedule, 0);
    }
    // 15. Illumination and the face of the mode.
    s.Illumination = form[LightsOn] == 1;
    ShowModeFace(app, s.Needle);
    // 16. Tray icon. An icon already standing is left alone: the shell would refuse a second add, and the
    // refusal would pass for a missing shell and start the retries.
    s.Icon_view = Checked(form, TrayIcon);
    if (s.Icon_view != 1) {
        RemoveTrayIcon(Tray(app));
    } else {
        if (s.Needle == MeterMode::Clock)
            ResetTrayIcon(Tray(app));
        if (!app.tray.added)
            AddTrayIcon(Tray(app));
    }
    // 17. Colours: the shown swatches into their set, the table into the settings, then the colours in effect.
    const int set = s.Illumination ? kLitSet : kNormalSet;
    for (int i = 0; i < kSwatchCount; ++i)
        form.colours[static_cast<std::size_t>(i + kSwatchCount * set)] = form[SwatchControl(i)];
    StoreColourTable(s, form.colours);
    app.activeColours = ActiveColours{form[SwatchCentreLine], form[SwatchOutline], form[SwatchHubCentre],
                                      form[SwatchHubOutline], form[SwatchSecondHand]};
    app.meter.readoutLabel.colour = form[SwatchText];
    app.meter.modeLabel.colour = form[SwatchText];
    RefreshLabels(Surface(app));
    // 18. Shades, and a redraw in the new colours: running, one step toward 50 in the memory modes, which the
    // next tick takes back. Paused, no tick would: the needle stays where it stands, Cpu's kept like the pause's.
    app.afterimageColours = ComputeAfterimageColours(s);
    if (app.meter.sampleTimer.enabled) {
        if (s.Needle == MeterMode::Mem || s.Needle == MeterMode::VMem)
            MoveNeedle(app, 50.0);
    } else if (s.Needle != MeterMode::Clock) {
        if (s.Needle == MeterMode::Cpu)
            SetPersistentDrawing(Surface(app), true);
        RedrawNeedle(app);
    }
    // 19.
    s.max_beep_flg = Checked(form, BeepAtFull);
    s.down_beep_flg = Checked(form, BeepOffFull);
    s.meter_move_flg = Checked(form, AvoidMouse);
    s.adjusted_flg = Checked(form, KeepOnScreen);
}

}  // namespace dorv
