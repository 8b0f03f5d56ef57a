#include "render/colours.h"

namespace dorv {

Colour DarkenColour(Colour colour) {
    auto darken = [](int component) { return component - 100 < 0 ? 0 : component - 100; };
    int r = darken(colour % 256);
    int g = darken((colour / 256) % 256);
    int b = darken((colour / 65536) % 256);
    return Rgb(r, g, b);
}

ActiveColours SelectActiveColours(const MeterSettings& s) {
    if (s.Illumination)
        return {s.Illumi_needle_color, s.Illumi_needle_shadow_color, s.Illumi_needle_color2,
                s.Illumi_needle_shadow_color2, s.Illumi_second_color};
    return {s.Needle_color, s.Needle_shadow_color, s.Needle_color2, s.Needle_shadow_color2, s.Second_color};
}

Colour SelectTextColour(const MeterSettings& s) {
    return s.Illumination ? s.Illumi_font_color : s.Font_color;
}

AfterimageColours ComputeAfterimageColours(const MeterSettings& settings) {
    ActiveColours set = SelectActiveColours(settings);
    return {DarkenColour(set.centreLine), DarkenColour(set.outline), DarkenColour(set.hubCentre),
            DarkenColour(set.hubOutline)};
}

Colour LineColour(LineRole role, const ActiveColours& colours) {
    switch (role) {
        case LineRole::Outline:
            return colours.outline;
        case LineRole::HubCentre:
            return colours.hubCentre;
        case LineRole::HubOutline:
            return colours.hubOutline;
        case LineRole::SecondHand:
            return colours.secondHand;
        case LineRole::CentreLine:
            break;
    }
    return colours.centreLine;
}

Colour AfterimageLineColour(LineRole role, const ActiveColours& colours, const AfterimageColours& shades) {
    switch (role) {
        case LineRole::Outline:
            return shades.outline;
        case LineRole::HubCentre:
            return shades.hubCentre;
        case LineRole::HubOutline:
            return shades.hubOutline;
        case LineRole::SecondHand:
            return colours.secondHand;
        case LineRole::CentreLine:
            break;
    }
    return shades.centreLine;
}

}  // namespace dorv
