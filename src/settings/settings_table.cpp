#include "settings/settings_table.h"

#include <array>
#include <optional>

#include "settings/value_text.h"

namespace dorv {
namespace {

using S = MeterSettings;

void ClampZanzoMax(S& s) {
    if (s.Zanzo_max > 5)
        s.Zanzo_max = 5;
}

void ClampTransparency(S& s) {
    if (s.Transparency < 1 || s.Transparency > 255)
        s.Transparency = 255;
}

constexpr const char* kCoordinates = "Coordinates";
constexpr const char* kView = "View";
constexpr const char* kMovement = "Movement";
constexpr const char* kColor = "Color";
constexpr const char* kEtc = "Etc";

constexpr std::array<SettingDef, static_cast<std::size_t>(SettingKey::Center) + 1> kSettings = {{
    {SettingKey::English, kView, "English", Guard::LeadingNumber, &S::English, nullptr},
    {SettingKey::adjusted_flg, kEtc, "adjusted_flg", Guard::NonEmpty, &S::adjusted_flg, nullptr},
    {SettingKey::Left, kCoordinates, "Left", Guard::Numeric, std::monostate{}, nullptr},
    {SettingKey::Top, kCoordinates, "Top", Guard::Numeric, std::monostate{}, nullptr},
    {SettingKey::Top_view, kView, "Top_view", Guard::Numeric, &S::Top_view, nullptr},
    {SettingKey::Needle, kView, "Needle", Guard::Numeric, &S::Needle, nullptr},
    {SettingKey::Needle_type, kView, "Needle_type", Guard::Numeric, &S::Needle_type, nullptr},
    {SettingKey::Label_view, kView, "Label_view", Guard::Numeric, &S::Label_view, nullptr},
    {SettingKey::Mode_view, kView, "Mode_view", Guard::Numeric, &S::Mode_view, nullptr},
    {SettingKey::Icon_view, kView, "Icon_view", Guard::Numeric, &S::Icon_view, nullptr},
    {SettingKey::Hide_Meter, kView, "Hide_Meter", Guard::Numeric, &S::Hide_Meter, nullptr},
    {SettingKey::Zanzo_view, kView, "Zanzo_view", Guard::Numeric, &S::Zanzo_view, nullptr},
    {SettingKey::Zanzo_max, kView, "Zanzo_max", Guard::Numeric, &S::Zanzo_max, ClampZanzoMax},
    {SettingKey::Transparency, kView, "Transparency", Guard::Numeric, &S::Transparency, ClampTransparency},
    {SettingKey::Mouse_Cancel, kView, "Mouse_Cancel", Guard::Numeric, &S::Mouse_Cancel, nullptr},
    {SettingKey::Move_quantity, kMovement, "Move_quantity", Guard::Numeric, &S::Move_quantity, nullptr},
    {SettingKey::Watch_time, kMovement, "Watch_time", Guard::Numeric, &S::Watch_time, nullptr},
    {SettingKey::Warning, kMovement, "Warning", Guard::Numeric, &S::Warning, nullptr},
    {SettingKey::Needle_color, kColor, "Needle_color", Guard::Numeric, &S::Needle_color, nullptr},
    {SettingKey::Illumi_needle_color, kColor, "Illumi_needle_color", Guard::Numeric, &S::Illumi_needle_color, nullptr},
    {SettingKey::Needle_shadow_color, kColor, "Needle_shadow_color", Guard::Numeric, &S::Needle_shadow_color, nullptr},
    {SettingKey::Illumi_needle_shadow_color, kColor, "Illumi_needle_shadow_color", Guard::Numeric,
     &S::Illumi_needle_shadow_color, nullptr},
    {SettingKey::Needle_color2, kColor, "Needle_color2", Guard::Numeric, &S::Needle_color2, nullptr},
    {SettingKey::Illumi_needle_color2, kColor, "Illumi_needle_color2", Guard::Numeric, &S::Illumi_needle_color2,
     nullptr},
    {SettingKey::Needle_shadow_color2, kColor, "Needle_shadow_color2", Guard::Numeric, &S::Needle_shadow_color2,
     nullptr},
    {SettingKey::Illumi_needle_shadow_color2, kColor, "Illumi_needle_shadow_color2", Guard::Numeric,
     &S::Illumi_needle_shadow_color2, nullptr},
    {SettingKey::Second_color, kColor, "Second_color", Guard::Numeric, &S::Second_color, nullptr},
    {SettingKey::Illumi_second_color, kColor, "Illumi_second_color", Guard::Numeric, &S::Illumi_second_color, nullptr},
    {SettingKey::Font_color, kColor, "Font_color", Guard::Numeric, &S::Font_color, nullptr},
    {SettingKey::Illumi_font_color, kColor, "Illumi_font_color", Guard::Numeric, &S::Illumi_font_color, nullptr},
    {SettingKey::Illumination, kColor, "Illumination", Guard::NonEmpty, &S::Illumination, nullptr},
    {SettingKey::max_beep_flg, kEtc, "max_beep_flg", Guard::NonEmpty, &S::max_beep_flg, nullptr},
    {SettingKey::down_beep_flg, kEtc, "down_beep_flg", Guard::NonEmpty, &S::down_beep_flg, nullptr},
    {SettingKey::meter_move_flg, kEtc, "meter_move_flg", Guard::NonEmpty, &S::meter_move_flg, nullptr},
    {SettingKey::illumi_on_time, kColor, "illumi_on_time", Guard::Always, &S::illumi_on_time, nullptr},
    {SettingKey::illumi_off_time, kColor, "illumi_off_time", Guard::Always, &S::illumi_off_time, nullptr},
    {SettingKey::Center, kCoordinates, "Center", Guard::Numeric, &S::Center, nullptr},
}};
// A key indexes its row.
static_assert([] {
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        if (kSettings[i].key != static_cast<SettingKey>(i))
            return false;
    return true;
}());

const std::array<SettingKey, kSettings.size()> kWriteOrder = {
    SettingKey::Left,
    SettingKey::Top,
    SettingKey::Center,
    // "View"
    SettingKey::Transparency,
    SettingKey::Mouse_Cancel,
    SettingKey::Top_view,
    SettingKey::Needle,
    SettingKey::Needle_type,
    SettingKey::Label_view,
    SettingKey::Mode_view,
    SettingKey::Icon_view,
    SettingKey::Hide_Meter,
    SettingKey::Zanzo_view,
    SettingKey::Zanzo_max,
    SettingKey::English,
    // "Movement"
    SettingKey::Move_quantity,
    SettingKey::Watch_time,
    SettingKey::Warning,
    // "Color"
    SettingKey::Illumination,
    SettingKey::illumi_on_time,
    SettingKey::illumi_off_time,
    SettingKey::Needle_color,
    SettingKey::Needle_shadow_color,
    SettingKey::Needle_color2,
    SettingKey::Needle_shadow_color2,
    SettingKey::Second_color,
    SettingKey::Font_color,
    SettingKey::Illumi_needle_color,
    SettingKey::Illumi_needle_shadow_color,
    SettingKey::Illumi_needle_color2,
    SettingKey::Illumi_needle_shadow_color2,
    SettingKey::Illumi_second_color,
    SettingKey::Illumi_font_color,
    // "Etc"
    SettingKey::max_beep_flg,
    SettingKey::down_beep_flg,
    SettingKey::meter_move_flg,
    SettingKey::adjusted_flg,
};

// The number a guarded text stands for, or nothing when the guard keeps the default.
std::optional<double> GuardedNumber(Guard guard, std::string_view text, std::string_view decimalSymbol) {
    std::optional<double> number = ParseDecimal(text, decimalSymbol);
    if (number && guard == Guard::LeadingNumber)
        return LeadingNumber(text);
    return number;
}

}  // namespace

const SettingDef& SettingDefinition(SettingKey key) {
    return kSettings[static_cast<std::size_t>(key)];
}

std::span<const SettingKey> SettingsWriteOrder() {
    return kWriteOrder;
}

void ApplySettingText(SettingKey key, std::string_view text, std::string_view decimalSymbol, MeterSettings& settings) {
    const SettingDef& def = SettingDefinition(key);
    const MeterSettings defaults;
    if (auto* field16 = std::get_if<std::int16_t S::*>(&def.field)) {
        settings.*(*field16) = defaults.*(*field16);
        if (std::optional<double> number = GuardedNumber(def.guard, text, decimalSymbol))
            if (std::optional<std::int16_t> value = ToInt16(*number))
                settings.*(*field16) = *value;
    } else if (auto* field32 = std::get_if<std::int32_t S::*>(&def.field)) {
        settings.*(*field32) = defaults.*(*field32);
        if (std::optional<double> number = GuardedNumber(def.guard, text, decimalSymbol))
            if (std::optional<std::int32_t> value = ToInt32(*number))
                settings.*(*field32) = *value;
    } else if (auto* fieldBool = std::get_if<bool S::*>(&def.field)) {
        settings.*(*fieldBool) = defaults.*(*fieldBool);
        if (std::optional<bool> value = ParseBoolean(text, decimalSymbol))
            settings.*(*fieldBool) = *value;
    } else if (auto* fieldText = std::get_if<std::string S::*>(&def.field)) {
        settings.*(*fieldText) = std::string(text);
    }
    if (def.clamp)
        def.clamp(settings);
}

std::string FormatSetting(SettingKey key, const MeterSettings& settings) {
    const SettingDef& def = SettingDefinition(key);
    if (auto* field16 = std::get_if<std::int16_t S::*>(&def.field))
        return FormatInteger(settings.*(*field16));
    if (auto* field32 = std::get_if<std::int32_t S::*>(&def.field))
        return FormatInteger(settings.*(*field32));
    if (auto* fieldBool = std::get_if<bool S::*>(&def.field))
        return FormatBoolean(settings.*(*fieldBool));
    if (auto* fieldText = std::get_if<std::string S::*>(&def.field))
        return FormatText(settings.*(*fieldText));
    return std::string();
}

}  // namespace dorv
