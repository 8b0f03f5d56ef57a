#pragma once
// The two dial faces the program draws its needle and hands on: 100 x 100 at scale 1, and at the display
// scales the program picks from (125 x 125 at 1.25 and so on).
#include "canvas.h"

namespace artgen {

inline constexpr int kFaceSize = 100;

// The scales drawn, in the order of the program's resource ids.
inline constexpr double kFaceScales[] = {1.0, 1.25, 1.5, 1.75, 2.0};

// The side in pixels at a scale, rounded as the program rounds its window.
int FaceSide(double scale);
Canvas MeterFace(bool lit, double scale = 1.0);
Canvas ClockFace(bool lit, double scale = 1.0);

}  // namespace artgen
