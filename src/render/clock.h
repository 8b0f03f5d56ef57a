#pragma once
// The dial as an analog clock with the digital time in the readout.
#include <string>

#include "platform/system_status.h"

namespace dorv {

struct MeterApp;

// "hh:nn.ss", for 9:05:07 "09:05.07".
std::string FormatClockText(const LocalTime& time);

// Redraws only when the displayed second changes; Label1's text remembers the last one drawn.
void DrawClock(MeterApp& app);

}  // namespace dorv
