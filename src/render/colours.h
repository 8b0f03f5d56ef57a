#pragma once
// The colours in effect for drawing, and the darkened shades of the afterimages.
#include "render/geometry.h"
#include "settings/meter_settings.h"

namespace dorv {

struct ActiveColours {
    Colour centreLine = 0;
    Colour outline = 0;
    Colour hubCentre = 0;
    Colour hubOutline = 0;
    Colour secondHand = 0;
};

struct AfterimageColours {
    Colour centreLine = 0;
    Colour outline = 0;
    Colour hubCentre = 0;
    Colour hubOutline = 0;
};

// Every component loses a fixed 100, stopping at 0.
Colour DarkenColour(Colour colour);

// The five drawing colours and the text colour of the set that Illumination selects.
ActiveColours SelectActiveColours(const MeterSettings& settings);
Colour SelectTextColour(const MeterSettings& settings);

AfterimageColours ComputeAfterimageColours(const MeterSettings& settings);

// The colour a line of a needle or hand takes; an afterimage takes the shade (the second hand has none).
Colour LineColour(LineRole role, const ActiveColours& colours);
Colour AfterimageLineColour(LineRole role, const ActiveColours& colours, const AfterimageColours& shades);

}  // namespace dorv
