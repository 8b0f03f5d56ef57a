#include "settings/settings_table.h"

#include <array>
#include <optional>
#include <type_traits>

#include "settings/value_text.h"

namespace dorv {
namespace {

using S = MeterSettings;

void ClampZanzoMax(S& s) {
    if (s.Zanzo_max > 5)
        s.Zanzo_max = 5;
}

void ClampTransparency(S& s) {
    if (s.Transparency < 1 || s.Transparency > kOpaque)
        s.Transparency = kOpaque;
}

constexpr const char* kCoordinates = "Coordinates";
constexpr const char* kView = "View";
constexpr const char* kMovement = "Movement";
constexpr const char* kColor = "Color";
constexpr const char* kEtc = "Etc";

constexpr SettingDef ColourRow(SettingKey key, const char* name, Colour S::*field) {
    return {key, kColor, name, Guard::Numeric, field, nullptr};
}

constexpr std::array<SettingDef, static_cast<std::size_t>(SettingKey::Center) + 1> kSettings = {{
    {SettingKey::English, kView, "English", Guard::LeadingNumber, &S::English, nullptr},
    {SettingKey::adjusted_flg, kEtc, "adjusted_flg", Guard::Numeric, &S::adjusted_flg, nullptr},
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
    ColourRow(SettingKey::Needle_color, "Needle_color", &S::Needle_color),
    ColourRow(SettingKey::Illumi_needle_color, "Illumi_needle_color", &S::Illumi_needle_color),
    ColourRow(SettingKey::Needle_shadow_color, "Needle_shadow_color", &S::Needle_shadow_color),
    ColourRow(SettingKey::Illumi_needle_shadow_color, "Illumi_needle_shadow_color", &S::Illumi_needle_shadow_color),
    ColourRow(SettingKey::Needle_color2, "Needle_color2", &S::Needle_color2),
    ColourRow(SettingKey::Illumi_needle_color2, "Illumi_needle_color2", &S::Illumi_needle_color2),
    ColourRow(SettingKey::Needle_shadow_color2, "Needle_shadow_color2", &S::Needle_shadow_color2),
    ColourRow(SettingKey::Illumi_needle_shadow_color2, "Illumi_needle_shadow_color2", &S::Illumi_needle_shadow_color2),
    ColourRow(SettingKey::Second_color, "Second_color", &S::Second_color),
    ColourRow(SettingKey::Illumi_second_color, "Illumi_second_color", &S::Illumi_second_color),
    ColourRow(SettingKey::Font_color, "Font_color", &S::Font_color),
    ColourRow(SettingKey::Illumi_font_color, "Illumi_font_color", &S::Illumi_font_color),
    {SettingKey::Illumination, kColor, "Illumination", Guard::Numeric, &S::Illumination, nullptr},
    {SettingKey::max_beep_flg, kEtc, "max_beep_flg", Guard::Numeric, &S::max_beep_flg, nullptr},
    {SettingKey::down_beep_flg, kEtc, "down_beep_flg", Guard::Numeric, &S::down_beep_flg, nullptr},
    {SettingKey::meter_move_flg, kEtc, "meter_move_flg", Guard::Numeric, &S::meter_move_flg, nullptr},
    {SettingKey::illumi_on_time, kColor, "illumi_on_time", Guard::Numeric, &S::illumi_on_time, nullptr},
    {SettingKey::illumi_off_time, kColor, "illumi_off_time", Guard::Numeric, &S::illumi_off_time, nullptr},
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

// A stored text as a field's value, or nothing when the default stays.
template <typename Value>
std::optional<Value> ParseValue(Guard guard, std::string_view text, std::string_view decimalSymbol) {
    if constexpr (std::is_same_v<Value, bool>) {
        return ParseBoolean(text, decimalSymbol);
    } else {
        std::optional<double> number = GuardedNumber(guard, text, decimalSymbol);
        return number ? ToInteger<Value>(*number) : std::nullopt;
    }
}

template <typename Value>
std::string FormatValue(const Value& value) {
    if constexpr (std::is_same_v<Value, bool>)
        return FormatBoolean(value);
    else if constexpr (std::is_same_v<Value, std::string>)
        return FormatText(value);
    else
        return FormatInteger(value);
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
    std::visit(
        [&](auto field) {
            if constexpr (!std::is_same_v<decltype(field), std::monostate>) {
                using Value = std::remove_reference_t<decltype(settings.*field)>;
                if constexpr (std::is_same_v<Value, std::string>) {
                    settings.*field = std::string(text);
                } else {
                    settings.*field = MeterSettings{}.*field;
                    if (std::optional<Value> value = ParseValue<Value>(def.guard, text, decimalSymbol))
                        settings.*field = *value;
                }
            }
        },
        def.field);
    if (def.clamp)
        def.clamp(settings);
}

std::string FormatSetting(SettingKey key, const MeterSettings& settings) {
    return std::visit(
        [&](auto field) -> std::string {
            if constexpr (std::is_same_v<decltype(field), std::monostate>)
                return std::string();
            else
                return FormatValue(settings.*field);
        },
        SettingDefinition(key).field);
}

}  // namespace dorv
