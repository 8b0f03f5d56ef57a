#pragma once
// One row per meter.ini key: where it lives, how it is parsed, which field it fills.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/meter_settings.h"

namespace dorv {

enum class SettingKey {
    English,
    adjusted_flg,
    Left,
    Top,
    Top_view,
    Needle,
    Needle_type,
    Label_view,
    Mode_view,
    Icon_view,
    Hide_Meter,
    Zanzo_view,
    Zanzo_max,
    Transparency,
    Mouse_Cancel,
    Move_quantity,
    Watch_time,
    Warning,
    Needle_color,
    Illumi_needle_color,
    Needle_shadow_color,
    Illumi_needle_shadow_color,
    Needle_color2,
    Illumi_needle_color2,
    Needle_shadow_color2,
    Illumi_needle_shadow_color2,
    Second_color,
    Illumi_second_color,
    Font_color,
    Illumi_font_color,
    Illumination,
    max_beep_flg,
    down_beep_flg,
    meter_move_flg,
    illumi_on_time,
    illumi_off_time,
    Center,
};

// How a number field reads its stored text; a text that gives no number in the field's range keeps the
// default. (A Boolean also takes True and False; a text field takes the text as it is, empty included.)
enum class Guard {
    Numeric,        // the number the whole text stands for
    LeadingNumber,  // a valid number, of which the leading number is taken
};

using SettingField = std::variant<std::monostate,  // Left and Top belong to the window
                                  std::int16_t MeterSettings::*,
                                  std::int32_t MeterSettings::*,
                                  bool MeterSettings::*,
                                  std::string MeterSettings::*>;

struct SettingDef {
    SettingKey key;
    const char* section;
    const char* name;
    Guard guard;
    SettingField field;
    void (*clamp)(MeterSettings&);  // applied right after reading, or null
};

const SettingDef& SettingDefinition(SettingKey key);

// The order in which the keys are written, which is also the layout of a new file.
std::span<const SettingKey> SettingsWriteOrder();

// Reads a stored text into its field: the default first, replaced when the guard passes, then the clamp.
void ApplySettingText(SettingKey key, std::string_view text, std::string_view decimalSymbol, MeterSettings& settings);

// The text written for a field (not for Left and Top, which come from the window).
std::string FormatSetting(SettingKey key, const MeterSettings& settings);

}  // namespace dorv
