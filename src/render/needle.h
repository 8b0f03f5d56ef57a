#pragma once
// Drawing one needle (or afterimage) with its two side effects: the warning lamp and the tray icon.
#include <vector>

#include "render/geometry.h"

namespace dorv {

struct MeterApp;

enum class NeedleKind { Normal, Afterimage };

// The lines of a needle at a value (percent): 0 points down, 50 up-left, 100 right; a 270 degree
// clockwise sweep around (centre, centre). Type 0 is one line, 1 a lozenge, others draw nothing.
std::vector<RoleLine> NeedleLines(double value, int centre, int needleType);

void DrawNeedle(MeterApp& app, double value, NeedleKind kind);

}  // namespace dorv
