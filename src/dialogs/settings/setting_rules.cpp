#include <string>

#include "dialogs/settings/colour_table.h"
#include "dialogs/settings/setting_form.h"

namespace dorv {
namespace {

constexpr int kOpacityOnCheck = 128;
constexpr int kDefaultMoveQuantity = 5;
constexpr int kDefaultWatchTime = 160;

void EnableAll(SettingForm& form, std::initializer_list<SettingControl> ids, bool on) {
    for (SettingControl id : ids)
        form.Enable(id, on);
}

}  // namespace

void SetCheck(SettingForm& form, SettingControl box, int checked) {
    form[box] = checked;
    FollowCheck(form, box);
}

// The five enable rules: a disabled control keeps its value unless the rule clears it.
void FollowCheck(SettingForm& form, SettingControl box) {
    const bool on = form[box] == 1;
    switch (box) {
        case Translucency:  // translucency: switching it on always starts from half opacity
            if (on)
                form[Alpha] = kOpacityOnCheck;
            EnableAll(form, {Alpha, MouseCancel}, on);
            break;
        case WarningEnabled:
            EnableAll(form, {WarningLevel, WarningScale, WarningRpmLabel}, on);
            break;
        case TrayIcon:  // the dial may be hidden only while the tray icon can bring it back
            form.Enable(DialOff, on);
            if (!on)
                form[DialOff] = 0;
            break;
        case TrailEnabled:
            EnableAll(form, {TrailSlider, TrailScale}, on);
            break;
        case ScheduleEnabled:  // the schedule and the hand-picked illumination exclude each other
            EnableAll(form, {ScheduleOn, ScheduleOff}, on);
            EnableAll(form, {LightsOn, LightsOff}, !on);
            break;
        default:
            break;
    }
}

void SetWarningSlider(SettingForm& form, int percent) {
    form[WarningLevel] = percent;
    form.readout = WarningReadout(percent);
}

std::string WarningReadout(int percent) {
    return std::to_string(percent * 100) + "rpm";
}

void ShowColourSet(SettingForm& form, int set, bool byUser) {
    if (byUser) {
        if (set == form.shownSet)
            return;
        // Keep the edits of the set shown until now.
        for (int i = 0; i < kSwatchCount; ++i)
            form.colours[static_cast<std::size_t>(i + kSwatchCount * form.shownSet)] = form[SwatchControl(i)];
    }
    form.shownSet = set;
    for (int i = 0; i < kSwatchCount; ++i)
        form[SwatchControl(i)] = form.colours[static_cast<std::size_t>(i + kSwatchCount * set)];
}

bool PickSwatchColour(SettingForm& form, int swatch, std::optional<Colour> picked) {
    // Black is what the picker gives for nothing chosen, so it never replaces a colour.
    if (!picked || *picked == 0)
        return false;
    form[SwatchControl(swatch)] = *picked;
    form.colours[static_cast<std::size_t>(swatch + kSwatchCount * form.shownSet)] = *picked;
    return true;
}

void RestoreMotionDefaults(SettingForm& form) {
    form[ResponseSlider] = kDefaultMoveQuantity;
    form[IntervalSlider] = kDefaultWatchTime;
}

// Only the swatches: the working table takes them on the next set switch or on Apply.
void RestoreColourDefaults(SettingForm& form) {
    const ColourTableEntries defaults = ColourTable(MeterSettings{});
    for (int i = 0; i < kSwatchCount; ++i)
        form[SwatchControl(i)] = defaults[static_cast<std::size_t>(i + kSwatchCount * form.shownSet)];
}

}  // namespace dorv
