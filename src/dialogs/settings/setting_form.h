#pragma once
// The settings dialog's values as the core knows them, built from the settings record, and the rules
// that tie the controls together while the user edits.
#include <array>
#include <optional>
#include <string>

#include "dialogs/settings/settings_controls.h"
#include "settings/meter_settings.h"

namespace dorv {

inline constexpr int kLitSet = 0;     // the illumination ON option: working table entries 0..5
inline constexpr int kNormalSet = 1;  // the OFF option: entries 6..11

struct SettingForm {
    SettingForm() { enabled.fill(true); }

    // Check 0/1, option 0/1, slider, time (minutes since midnight), swatch colour; indexed by control id.
    std::array<int, kSettingControlEnd> value{};
    std::array<bool, kSettingControlEnd> enabled{};
    std::string readout = "8500rpm";  // WarningRpmLabel
    // The lit set in 0..5, the normal set in 6..11; the shown set lives in the swatches.
    std::array<Colour, 2 * kSwatchCount> colours{};
    int shownSet = kNormalSet;

    int& operator[](SettingControl id) { return value[static_cast<std::size_t>(id)]; }
    int operator[](SettingControl id) const { return value[static_cast<std::size_t>(id)]; }
    bool Enabled(SettingControl id) const { return enabled[static_cast<std::size_t>(id)]; }
    void Enable(SettingControl id, bool on) { enabled[static_cast<std::size_t>(id)] = on; }
};

// The dialog as it opens for these settings: values, enabled states, readout and colour table.
SettingForm BuildSettingForm(const MeterSettings& settings, bool vistaOrLater);

// A check box took this value (by building or by the user): its enable rule follows.
void SetCheck(SettingForm& form, SettingControl box, int checked);
void FollowCheck(SettingForm& form, SettingControl box);
// The warning slider and the "8500rpm" readout under it.
void SetWarningSlider(SettingForm& form, int percent);
std::string WarningReadout(int percent);
// Shows the set k (kLitSet or kNormalSet) in the swatches; a user's switch first keeps the edits of the set
// shown until now. Selecting the shown set changes nothing.
void ShowColourSet(SettingForm& form, int set, bool byUser);
// A colour from the picker for swatch i; none (cancelled) or black changes nothing. True when it took.
bool PickSwatchColour(SettingForm& form, int swatch, std::optional<Colour> picked);
// The Motion page's and the Colour page's default buttons.
void RestoreMotionDefaults(SettingForm& form);
void RestoreColourDefaults(SettingForm& form);

// "hh:nn" of minutes since midnight, and back; nothing for a text that is not a time of day.
std::string FormatMinutes(int minutes);
std::optional<int> ParseTimeOfDay(const std::string& text);

}  // namespace dorv
