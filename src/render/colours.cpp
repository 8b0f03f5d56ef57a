#include "render/colours.h"

namespace dorv {

Colour DarkenColour(Colour colour) {
    auto darken = [](int component) { return component - 100 < 0 ? 0 : component - 100; };
    int r = darken(colour % 256);
    int g = darken((colour / 256) % 256);
    int b = darken((colour / 65536) % 256);
    return Rgb(r, g, b);
}

namespace {

Colour Selected(const MeterSettings& s, ColourPart part) {
    return s.*(s.Illumination ? kLitColourFields : kNormalColourFields)[part];
}

}  // namespace

ActiveColours SelectActiveColours(const MeterSettings& s) {
    return {Selected(s, CentreLinePart), Selected(s, OutlinePart), Selected(s, HubCentrePart),
            Selected(s, HubOutlinePart), Selected(s, SecondHandPart)};
}

Colour SelectTextColour(const MeterSettings& s) {
    return Selected(s, TextPart);
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
    return LineColour(role,
                      {shades.centreLine, shades.outline, shades.hubCentre, shades.hubOutline, colours.secondHand});
}

}  // namespace dorv
