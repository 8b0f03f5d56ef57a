#pragma once
// The lines of a needle (or an afterimage) and their drawing.
#include <vector>

#include "render/colours.h"
#include "render/dial_surface.h"
#include "render/geometry.h"
#include "settings/meter_settings.h"

namespace dorv {

enum class NeedleKind { Normal, Afterimage };

// The lines of a needle at a value (percent): 0 points down, 50 up-left, 100 right; a 270 degree
// clockwise sweep around (centre, centre). Type 0 is one line, 1 a lozenge, others draw nothing.
std::vector<RoleLine> NeedleLines(double value, int centre, int needleType);

// Clears first unless the trail is on (the motion step then clears once before the whole trail).
void DrawNeedle(const DialSurface& dial,
                const MeterSettings& settings,
                const ActiveColours& colours,
                const AfterimageColours& shades,
                double value,
                NeedleKind kind);

}  // namespace dorv
