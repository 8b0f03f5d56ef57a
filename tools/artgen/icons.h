#pragma once
// The warning lamp, the notification-area gauges and the program icon.
#include <vector>

#include "encode.h"

namespace artgen {

inline constexpr int kTrayBands = 11;

std::vector<IconImage> WarningLamp();
// Band k stands for k * 10 % up to just under (k + 1) * 10 %; band 10 is 100 %.
std::vector<IconImage> TrayIcon(int band, bool lit);
std::vector<IconImage> ProgramIcon();

}  // namespace artgen
