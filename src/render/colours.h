#pragma once
// The colours in effect for drawing, and the darkened shades of the afterimages.
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

}  // namespace dorv
