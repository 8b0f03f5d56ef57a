#pragma once
// What every dial image shares: case, bezel, hub, the value sweep and the colours of each set.
#include "canvas.h"

namespace artgen {

struct Ink {
    Rgb8 marks;  // ticks and figures
    Rgb8 text;   // captions, a little quieter than the marks
};

Ink NormalInk();
Ink LitInk();

inline constexpr Rgb8 kBandRed{205, 34, 30};
inline constexpr Rgb8 kNeedleRed{230, 0, 0};

// The needle's direction for a value in percent: 0 straight down, 50 upper left, 100 to the right.
inline double MeterAngle(double percent) {
    return 270 - 2.7 * percent;
}

// The dark round face inside a bevelled metal bezel filling a size x size canvas; nothing is drawn
// outside the circle, so the caller chooses what shows there.
void DrawCase(Canvas& canvas, double size);
void DrawHub(Canvas& canvas, Polar pivot, double radius);

}  // namespace artgen
