#pragma once
// The dial as an analog clock with the digital time in the readout.
#include <string>
#include <vector>

#include "platform/system_status.h"
#include "render/colours.h"
#include "render/dial_surface.h"
#include "render/geometry.h"

namespace dorv {

// "hh:nn.ss", for 9:05:07 "09:05.07".
std::string FormatClockText(const LocalTime& time);

struct ClockHands {
    std::vector<RoleLine> second;  // drawn with a 1 pixel pen
    std::vector<RoleLine> hour;    // these two with 2 pixels
    std::vector<RoleLine> minute;
};

// The hands at a time of day around (centre, centre); angles run clockwise from three o'clock.
ClockHands ClockHandLines(const LocalTime& time, int centre, int needleType);

// Redraws only when the displayed second changes; the readout's text remembers the last one drawn. True when it drew.
bool DrawClock(const DialSurface& dial, const LocalTime& now, int centre, int needleType, const ActiveColours& colours);

}  // namespace dorv
