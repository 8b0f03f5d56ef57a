#include "dialogs/settings/setting_form.h"

#include <algorithm>

#include "dialogs/settings/colour_table.h"
#include "settings/schedule_time.h"

namespace dorv {
namespace {

// What the controls show before building sets them.
constexpr int kOpacityAtRest = 128;
constexpr int kWarningAtRest = 85;
constexpr int kOnTimeAtRest = 17 * 60;
constexpr int kOffTimeAtRest = 18 * 60;

// A flag counts as on only when it is 1, as everywhere in the program.
int Flag(int stored) {
    return stored == 1 ? 1 : 0;
}

int WithinSlider(SettingControl slider, int stored) {
    const SliderRange& range = SettingControlRowOf(slider).slider;
    return std::clamp(stored, range.minimum, range.maximum);
}

}  // namespace

// The building steps in their fixed order; each check box's rule runs as it is set, so dependent controls
// end in the state the rules give for the loaded values. Values the controls cannot show become the
// nearest one they can, so that what the user sees is what Apply stores.
SettingForm BuildSettingForm(const MeterSettings& s, bool vistaOrLater) {
    SettingForm form;
    form[Alpha] = kOpacityAtRest;
    form[ScheduleOn] = kOnTimeAtRest;
    form[ScheduleOff] = kOffTimeAtRest;
    // 1. Help reaches only the Japanese pages.
    if (s.English == 1)
        form.Enable(HelpButton, false);
    // 4-5. Mode, needle style, readout, language.
    form[static_cast<SettingControl>(ModeMemory + std::clamp<int>(s.Needle, MeterMode::Mem, MeterMode::Clock))] = 1;
    form[s.Needle_type >= 1 ? NeedleSolid : NeedleLine] = 1;
    form[ShowReadout] = Flag(s.Label_view);
    form[EnglishCaptions] = Flag(s.English);
    // 6. The box before the slider: checking it puts the slider back to 128.
    const SliderRange& opacity = SettingControlRowOf(Alpha).slider;
    if (s.Transparency >= opacity.minimum && s.Transparency <= opacity.maximum) {
        SetCheck(form, Translucency, 1);
        form[Alpha] = s.Transparency;
    } else {
        SetCheck(form, Translucency, 0);
    }
    // 7-8.
    form[MouseCancel] = Flag(s.Mouse_Cancel);
    form[AlwaysOnTop] = Flag(s.Top_view);
    // 9. Warning threshold and its readout.
    SetCheck(form, WarningEnabled, s.Warning != kNoWarning ? 1 : 0);
    SetWarningSlider(form, s.Warning != kNoWarning ? WithinSlider(WarningLevel, s.Warning) : kWarningAtRest);
    // 10. Hiding the dial needs the tray icon: without it the box stays clear, or Apply would hide a dial
    // that nothing could bring back.
    form[ShowModeLabel] = Flag(s.Mode_view);
    SetCheck(form, TrayIcon, Flag(s.Icon_view));
    if (form[TrayIcon] == 1)
        form[DialOff] = Flag(s.Hide_Meter);
    SetCheck(form, TrailEnabled, Flag(s.Zanzo_view));
    // 11.
    form[TrailSlider] = WithinSlider(TrailSlider, s.Zanzo_max);
    form[ResponseSlider] = WithinSlider(ResponseSlider, s.Move_quantity);
    form[IntervalSlider] = WithinSlider(IntervalSlider, s.Watch_time);
    // 12. The schedule shows only with two times of day.
    std::optional<int> on = ParseTimeOfDay(s.illumi_on_time);
    std::optional<int> off = ParseTimeOfDay(s.illumi_off_time);
    if (on && off) {
        SetCheck(form, ScheduleEnabled, 1);
        form[ScheduleOn] = *on;
        form[ScheduleOff] = *off;
    } else {
        SetCheck(form, ScheduleEnabled, 0);
    }
    // 13-14. The working table, then the set of the current Illumination in the swatches.
    form.colours = ColourTable(s);
    const int set = s.Illumination ? kLitSet : kNormalSet;
    form[set == kLitSet ? LightsOn : LightsOff] = 1;
    ShowColourSet(form, set, false);
    // 15.
    form[BeepAtFull] = Flag(s.max_beep_flg);
    form[BeepOffFull] = Flag(s.down_beep_flg);
    form[AvoidMouse] = Flag(s.meter_move_flg);
    form[KeepOnScreen] = Flag(s.adjusted_flg);
    // 16. The virtual-memory mode is not offered from version 6 on; a stored one stays selected.
    if (vistaOrLater)
        form.Enable(ModeVirtualMemory, false);
    return form;
}

std::string FormatMinutes(int minutes) {
    return FormatHhNn(LocalTime{minutes / 60, minutes % 60, 0});
}

std::optional<int> ParseTimeOfDay(const std::string& text) {
    // Accepts what the schedule accepts ("9:00", "09:00:30"), read back as "hh:nn".
    const std::string t = ReformatScheduleTime(text);
    auto digit = [&t](std::size_t at) { return t[at] >= '0' && t[at] <= '9'; };
    if (t.size() != 5 || t[2] != ':' || !digit(0) || !digit(1) || !digit(3) || !digit(4))
        return std::nullopt;
    int hour = (t[0] - '0') * 10 + (t[1] - '0');
    int minute = (t[3] - '0') * 10 + (t[4] - '0');
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return hour * 60 + minute;
}

}  // namespace dorv
