#include "faces.h"

#include <string>

#include "dial.h"
#include "font.h"

namespace artgen {
namespace {

// The needle's pivot is pixel (50, 50), whose centre lies at (50.5, 50.5); the window's round clip is
// centred on the pixel grid's middle, (50, 50). Scaled, the pivot is the pixel the program rounds 50 to.
Polar Pivot(double scale) {
    const double pixel = std::floor(50 * scale + 0.5);
    return {pixel + 0.5, pixel + 0.5};
}

constexpr double kTickOuter = 44.3;
constexpr double kFigureRadius = 31.5;
// A little further out on the clock keeps 5 and 7 below the digital time.
constexpr double kHourRadius = 32.5;
constexpr double kHubRadius = 9;

Canvas BlankFace(double scale) {
    const int side = FaceSide(scale);
    Canvas canvas(side, side);
    // Outside the round window nothing shows; black keeps the clipped edge clean.
    FillShape(
        canvas, {0, 0, static_cast<double>(side), static_cast<double>(side)}, [](double, double) { return true; },
        Rgb8{0, 0, 0});
    DrawCase(canvas, side);
    return canvas;
}

// Figures sit on whole pixels around their point so the pixel font stays crisp.
void Figure(Canvas& canvas, const std::string& text, double degrees, double radius, Rgb8 colour, double scale) {
    const PixelFont& font = FigureFont();
    const Polar pivot = Pivot(scale);
    const double x = pivot.X(radius * scale, degrees) - TextWidth(font, text) * scale / 2.0;
    const double y = pivot.Y(radius * scale, degrees) - font.height * scale / 2.0;
    DrawScaledText(canvas, font, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), text, colour,
                   scale);
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

int FaceSide(double scale) {
    return Round(kFaceSize * scale);
}

Canvas MeterFace(bool lit, double scale) {
    const Ink ink = lit ? LitInk() : NormalInk();
    const double s = scale;
    const Polar pivot = Pivot(s);
    Canvas canvas = BlankFace(s);

    // The red zone hugs the rim under the ticks, from 8.5 to 10.
    Arc(canvas, pivot, 40.6 * s, kTickOuter * s, MeterAngle(100), MeterAngle(85), kBandRed);

    // Quarter divisions, the half a little longer, a long tick at every figure.
    for (int quarter = 0; quarter <= 40; ++quarter) {
        const double degrees = MeterAngle(quarter * 2.5);
        if (quarter % 4 == 0)
            Tick(canvas, pivot, degrees, 37.2 * s, kTickOuter * s, 1.8 * s, ink.marks);
        else if (quarter % 2 == 0)
            Tick(canvas, pivot, degrees, 40.0 * s, kTickOuter * s, 1.2 * s, ink.marks);
        else
            Tick(canvas, pivot, degrees, 41.6 * s, kTickOuter * s, 1.0 * s, ink.marks);
    }
    for (int k = 0; k <= 10; ++k)
        Figure(canvas, std::to_string(k), MeterAngle(10 * k), kFigureRadius, ink.marks, s);

    const PixelFont& tiny = TinyFont();
    const std::string unit = "*1000rpm";
    DrawScaledText(canvas, tiny, Round(pivot.cx - TextWidth(tiny, unit) * s / 2.0), Round(29 * s), unit, ink.text, s);

    // The warning lamp's socket around the lamp icon, which the program puts at (52, 60), 6 pixels square,
    // each rounded to its pixels; and the lamp's caption.
    const double lampCentreX = Round(52 * s) + Round(6 * s) / 2.0;
    const double lampCentreY = Round(60 * s) + Round(6 * s) / 2.0;
    Disc(canvas, lampCentreX, lampCentreY, 4.2 * s, {62, 62, 66});
    Disc(canvas, lampCentreX, lampCentreY, 3.5 * s, {4, 4, 5});
    DrawScaledText(canvas, tiny, Round(60 * s), Round(61 * s), "WARNING", ink.text, s);

    DrawHub(canvas, pivot, kHubRadius * s);
    return canvas;
}

Canvas ClockFace(bool lit, double scale) {
    const Ink ink = lit ? LitInk() : NormalInk();
    const double s = scale;
    const Polar pivot = Pivot(s);
    Canvas canvas = BlankFace(s);
    for (int minute = 0; minute < 60; ++minute) {
        const double degrees = 90 - 6 * minute;
        if (minute % 5 == 0)
            Tick(canvas, pivot, degrees, 38.2 * s, kTickOuter * s, 1.8 * s, ink.marks);
        else
            Tick(canvas, pivot, degrees, 41.6 * s, kTickOuter * s, 1.0 * s, ink.marks);
    }
    for (int hour = 1; hour <= 12; ++hour)
        Figure(canvas, std::to_string(hour), 90 - 30 * hour, kHourRadius, ink.marks, s);
    DrawHub(canvas, pivot, kHubRadius * s);
    return canvas;
}

}  // namespace artgen
