#pragma once
// The two 100 x 100 dial faces the program draws its needle and hands on.
#include "canvas.h"

namespace artgen {

inline constexpr int kFaceSize = 100;

Canvas MeterFace(bool lit);
Canvas ClockFace(bool lit);

}  // namespace artgen
