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
constexpr int kNoWarning = 101;

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
    form[Slider4] = kOpacityAtRest;
    form[DTPicker1_0] = kOnTimeAtRest;
    form[DTPicker1_1] = kOffTimeAtRest;
    // 1. Help reaches only the Japanese pages.
    if (s.English == 1)
        form.Enable(Command1_3, false);
    // 4-5. Mode, needle style, readout, language.
    form[static_cast<SettingControl>(Option1_0 + std::clamp<int>(s.Needle, MeterMode::Mem, MeterMode::Clock))] = 1;
    form[s.Needle_type >= 1 ? Option2_1 : Option2_0] = 1;
    form[Check1] = Flag(s.Label_view);
    form[Check12] = Flag(s.English);
    // 6. The box before the slider: checking it puts the slider back to 128.
    const SliderRange& opacity = SettingControlRowOf(Slider4).slider;
    if (s.Transparency >= opacity.minimum && s.Transparency <= opacity.maximum) {
        SetCheck(form, Check11, 1);
        form[Slider4] = s.Transparency;
    } else {
        SetCheck(form, Check11, 0);
    }
    // 7-8.
    form[Check13] = Flag(s.Mouse_Cancel);
    form[Check2] = Flag(s.Top_view);
    // 9. Warning threshold and its readout.
    SetCheck(form, Check3, s.Warning != kNoWarning ? 1 : 0);
    SetWarningSlider(form, s.Warning != kNoWarning ? WithinSlider(Slider3, s.Warning) : kWarningAtRest);
    // 10. Hiding the dial needs the tray icon: without it the box stays clear, or Apply would hide a dial
    // that nothing could bring back.
    form[Check4] = Flag(s.Mode_view);
    SetCheck(form, Check5, Flag(s.Icon_view));
    if (form[Check5] == 1)
        form[Check9] = Flag(s.Hide_Meter);
    SetCheck(form, Check6, Flag(s.Zanzo_view));
    // 11.
    form[Slider5] = WithinSlider(Slider5, s.Zanzo_max);
    form[Slider1] = WithinSlider(Slider1, s.Move_quantity);
    form[Slider2] = WithinSlider(Slider2, s.Watch_time);
    // 12. The schedule shows only with two times of day.
    std::optional<int> on = ParseTimeOfDay(s.illumi_on_time);
    std::optional<int> off = ParseTimeOfDay(s.illumi_off_time);
    if (on && off) {
        SetCheck(form, Check14, 1);
        form[DTPicker1_0] = *on;
        form[DTPicker1_1] = *off;
    } else {
        SetCheck(form, Check14, 0);
    }
    // 13-14. The working table, then the set of the current Illumination in the swatches.
    form.colours = ColourTable(s);
    const int set = s.Illumination ? kLitSet : kNormalSet;
    form[set == kLitSet ? Option3_0 : Option3_1] = 1;
    ShowColourSet(form, set, false);
    // 15.
    form[Check7] = Flag(s.max_beep_flg);
    form[Check8] = Flag(s.down_beep_flg);
    form[Check10] = Flag(s.meter_move_flg);
    form[Check15] = Flag(s.adjusted_flg);
    // 16. The virtual-memory mode is not offered from version 6 on; a stored one stays selected.
    if (vistaOrLater)
        form.Enable(Option1_1, false);
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
