#pragma once
// The program-wide settings record; fields carry the names of their keys in meter.ini.
#include <array>
#include <cstdint>
#include <string>

namespace dorv {

// The quantity the dial shows, stored in Needle. Other stored values are kept and make the tick idle.
enum MeterMode : std::int16_t { Mem = 0, VMem = 1, Cpu = 2, Clock = 3 };

// A colour as red + 256 * green + 65536 * blue.
using Colour = std::int32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r + 256 * g + 65536 * b);
}

// Warning with the lamp off, and Transparency of an opaque dial.
inline constexpr std::int16_t kNoWarning = 101;
inline constexpr std::int32_t kOpaque = 255;

struct MeterSettings {
    // "View"
    std::int16_t English = 0;
    std::int16_t Top_view = 0;
    std::int16_t Needle = MeterMode::Cpu;
    std::int16_t Needle_type = 1;
    std::int16_t Label_view = 0;
    std::int16_t Mode_view = 0;
    std::int16_t Icon_view = 0;
    std::int16_t Hide_Meter = 0;
    std::int16_t Zanzo_view = 0;
    std::int16_t Zanzo_max = 2;
    std::int32_t Transparency = kOpaque;
    std::int16_t Mouse_Cancel = 0;
    // "Movement"
    std::int16_t Move_quantity = 5;
    std::int16_t Watch_time = 160;
    std::int16_t Warning = 85;
    // "Color": the normal and the lit set
    Colour Needle_color = Rgb(230, 0, 0);
    Colour Illumi_needle_color = Rgb(255, 10, 10);
    Colour Needle_shadow_color = Rgb(170, 0, 0);
    Colour Illumi_needle_shadow_color = Rgb(180, 10, 10);
    Colour Needle_color2 = Rgb(110, 110, 110);
    Colour Illumi_needle_color2 = Rgb(90, 90, 90);
    Colour Needle_shadow_color2 = Rgb(70, 70, 70);
    Colour Illumi_needle_shadow_color2 = Rgb(50, 50, 50);
    Colour Second_color = Rgb(180, 180, 180);
    Colour Illumi_second_color = Rgb(230, 230, 230);
    Colour Font_color = Rgb(200, 200, 200);
    Colour Illumi_font_color = Rgb(90, 180, 90);
    bool Illumination = false;
    std::string illumi_on_time;
    std::string illumi_off_time;
    // "Etc"
    std::int16_t adjusted_flg = 1;
    std::int16_t max_beep_flg = 0;
    std::int16_t down_beep_flg = 0;
    std::int16_t meter_move_flg = 0;
    // "Coordinates"; Left and Top live in the window, not here.
    std::int16_t Center = 50;

    bool operator==(const MeterSettings&) const = default;
};

// One colour set's fields, in swatch order.
enum ColourPart { CentreLinePart, OutlinePart, HubCentrePart, HubOutlinePart, SecondHandPart, TextPart };
using ColourSetFields = std::array<Colour MeterSettings::*, 6>;
inline constexpr ColourSetFields kNormalColourFields = {
    &MeterSettings::Needle_color,         &MeterSettings::Needle_shadow_color, &MeterSettings::Needle_color2,
    &MeterSettings::Needle_shadow_color2, &MeterSettings::Second_color,        &MeterSettings::Font_color};
inline constexpr ColourSetFields kLitColourFields = {
    &MeterSettings::Illumi_needle_color,  &MeterSettings::Illumi_needle_shadow_color,
    &MeterSettings::Illumi_needle_color2, &MeterSettings::Illumi_needle_shadow_color2,
    &MeterSettings::Illumi_second_color,  &MeterSettings::Illumi_font_color};

}  // namespace dorv
