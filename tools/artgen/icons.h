#pragma once
// The warning lamp, the notification-area gauges and the program icon.
#include <vector>

#include "encode.h"

namespace artgen {

inline constexpr int kTrayBands = 11;
// The small-icon sizes of the usual display scales (100 % to 200 %); the system picks the one it needs.
inline constexpr int kTrayIconSizes[] = {16, 20, 24, 32};
// The lamp's 6 pixels at the dial's scales, rounded as the program rounds them.
inline constexpr int kLampSizes[] = {6, 8, 9, 11, 12};

// One image per lamp size: the 6-pixel one is pixel art, the larger ones are drawn.
std::vector<IconImage> WarningLamp();
// Band k stands for k * 10 % up to just under (k + 1) * 10 %; band 10 is 100 %.
std::vector<IconImage> TrayIcon(int band, bool lit);
std::vector<IconImage> ProgramIcon();

}  // namespace artgen
