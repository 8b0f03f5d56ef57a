#include "faces.h"

#include <string>

#include "dial.h"
#include "font.h"

namespace artgen {
namespace {

// The needle's pivot is pixel (50, 50), whose centre lies at (50.5, 50.5); the window's round clip is
// centred on the pixel grid's middle, (50, 50).
constexpr Polar kPivot{50.5, 50.5};

constexpr double kTickOuter = 44.3;
constexpr double kFigureRadius = 31.5;
// A little further out on the clock keeps 5 and 7 below the digital time.
constexpr double kHourRadius = 32.5;
constexpr double kHubRadius = 9;

Canvas BlankFace() {
    Canvas canvas(kFaceSize, kFaceSize);
    // Outside the round window nothing shows; black keeps the clipped edge clean.
    FillShape(
        canvas, {0, 0, kFaceSize, kFaceSize}, [](double, double) { return true; }, Rgb8{0, 0, 0});
    DrawCase(canvas, kFaceSize);
    return canvas;
}

// Figures sit on whole pixels around their point so the pixel font stays crisp.
void Figure(Canvas& canvas, const std::string& text, double degrees, double radius, Rgb8 colour) {
    const PixelFont& font = FigureFont();
    const double x = kPivot.X(radius, degrees) - TextWidth(font, text) / 2.0;
    const double y = kPivot.Y(radius, degrees) - font.height / 2.0;
    DrawText(canvas, font, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), text, colour);
}

}  // namespace

Canvas MeterFace(bool lit) {
    const Ink ink = lit ? LitInk() : NormalInk();
    Canvas canvas = BlankFace();

    // The red zone hugs the rim under the ticks, from 8.5 to 10.
    Arc(canvas, kPivot, 40.6, kTickOuter, MeterAngle(100), MeterAngle(85), kBandRed);

    // Quarter divisions, the half a little longer, a long tick at every figure.
    for (int quarter = 0; quarter <= 40; ++quarter) {
        const double degrees = MeterAngle(quarter * 2.5);
        if (quarter % 4 == 0)
            Tick(canvas, kPivot, degrees, 37.2, kTickOuter, 1.8, ink.marks);
        else if (quarter % 2 == 0)
            Tick(canvas, kPivot, degrees, 40.0, kTickOuter, 1.2, ink.marks);
        else
            Tick(canvas, kPivot, degrees, 41.6, kTickOuter, 1.0, ink.marks);
    }
    for (int k = 0; k <= 10; ++k)
        Figure(canvas, std::to_string(k), MeterAngle(10 * k), kFigureRadius, ink.marks);

    const PixelFont& tiny = TinyFont();
    const std::string unit = "*1000rpm";
    DrawText(canvas, tiny, static_cast<int>(std::lround(kPivot.cx - TextWidth(tiny, unit) / 2.0)), 29, unit, ink.text);

    // The warning lamp's socket (the lamp itself is the 6 x 6 icon at 52..57, 60..65), and its caption.
    Disc(canvas, 55, 63, 4.2, {62, 62, 66});
    Disc(canvas, 55, 63, 3.5, {4, 4, 5});
    DrawText(canvas, tiny, 60, 61, "WARNING", ink.text);

    DrawHub(canvas, kPivot, kHubRadius);
    return canvas;
}

Canvas ClockFace(bool lit) {
    const Ink ink = lit ? LitInk() : NormalInk();
    Canvas canvas = BlankFace();
    for (int minute = 0; minute < 60; ++minute) {
        const double degrees = 90 - 6 * minute;
        if (minute % 5 == 0)
            Tick(canvas, kPivot, degrees, 38.2, kTickOuter, 1.8, ink.marks);
        else
            Tick(canvas, kPivot, degrees, 41.6, kTickOuter, 1.0, ink.marks);
    }
    for (int hour = 1; hour <= 12; ++hour)
        Figure(canvas, std::to_string(hour), 90 - 30 * hour, kHourRadius, ink.marks);
    DrawHub(canvas, kPivot, kHubRadius);
    return canvas;
}

}  // namespace artgen
