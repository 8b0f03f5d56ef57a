#include "icons.h"

#include <string>

#include "dial.h"
#include "palette.h"

namespace artgen {
namespace {

// Pixel art: one character a pixel, '.' transparent.
Canvas FromPixelArt(const std::vector<std::string>& rows, const std::vector<std::pair<char, Rgb8>>& key) {
    Canvas canvas(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            for (const auto& [ch, colour] : key)
                if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == ch)
                    canvas.Put(x, y, colour);
    return canvas;
}

// Pixel-art round outline for small icons: a hard edge reads cleaner at 16 px than a half-covered one.
// Its pixels take the bezel's metal, lit from the upper left like the big dial's.
void FillRoundMask(Canvas& canvas) {
    const double c = canvas.Width() / 2.0;
    const Polar centre{c, c};
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (centre.Radius(x + 0.5, y + 0.5) > c - 0.05)
                continue;
            const double light = std::cos((centre.Angle(x + 0.5, y + 0.5) - 135) * kPi / 180);
            const auto level = static_cast<std::uint8_t>(std::lround(122 + 44 * light));
            canvas.Put(x, y, {level, level, static_cast<std::uint8_t>(level + 6)});
        }
    }
}

// A gauge the size of the tray icon: a track along the sweep filled up to the value, and a needle. Drawn
// for 16 pixels and scaled with the icon. The lit set glows green behind everything (face, empty track, hub),
// so it differs from the normal set in every band, the red top bands and the empty band 0 included.
Canvas Gauge(int band, bool lit, Rgb8 needle, int size) {
    const double k = size / 16.0;
    const Polar c{8 * k, 8 * k};
    const double value = 10.0 * band;
    Canvas canvas(size, size);
    FillRoundMask(canvas);
    Disc(canvas, c.cx, c.cy, 7.1 * k, lit ? Rgb8{14, 40, 18} : Rgb8{22, 22, 26});
    const Rgb8 fill = band >= 9 ? kBandRed : (lit ? LitInk().marks : Rgb8{222, 222, 218});
    Arc(canvas, c, 4.2 * k, 6.6 * k, MeterAngle(100), MeterAngle(0), lit ? Rgb8{42, 96, 48} : Rgb8{58, 58, 64});
    if (band > 0)
        Arc(canvas, c, 4.2 * k, 6.6 * k, MeterAngle(value), MeterAngle(0), fill);
    Tick(canvas, c, MeterAngle(value), 0, 6.6 * k, 1.5 * k, needle);
    Disc(canvas, c.cx, c.cy, 1.5 * k, lit ? Rgb8{120, 210, 120} : Rgb8{150, 150, 156});
    return canvas;
}

// On the red track of the top bands a red needle would vanish, so it turns white there.
Canvas Gauge(int band, bool lit, int size) {
    return Gauge(band, lit, band >= 9 ? Rgb8{255, 255, 255} : kNeedleRed, size);
}

// The lamp above 6 pixels: a red dome lit from the upper left with a dark rim, as the pixel art shows it.
Canvas DrawnLamp(int size) {
    const double r = size / 2.0;
    const Polar c{r, r};
    Canvas canvas(size, size);
    FillShape(
        canvas, {0, 0, static_cast<double>(size), static_cast<double>(size)},
        [=](double x, double y) { return c.Radius(x, y) <= r - 0.1; },
        [=](double x, double y) {
            const double d = c.Radius(x, y) / r;
            const double light = std::cos((c.Angle(x, y) - 135) * kPi / 180) * d;
            if (d > 0.78)
                return ToLinear(MixSrgb({130, 14, 12}, {92, 8, 8}, static_cast<float>(0.5 - light / 2)));
            return ToLinear(MixSrgb({232, 28, 22}, light > 0 ? Rgb8{255, 140, 120} : Rgb8{176, 16, 14},
                                    static_cast<float>(std::abs(light) * 0.7)));
        });
    // The glint.
    Disc(canvas, r * 0.62, r * 0.62, std::max(0.6, size / 12.0), {255, 236, 230});
    return canvas;
}

// The big dial in miniature for the program icon: scale, red zone, the needle at 5 and the hub.
Canvas MiniDial(int size) {
    const double r = size / 2.0;
    const Polar c{r, r};
    Canvas canvas(size, size);
    if (size < 24) {
        FillRoundMask(canvas);
        Disc(canvas, r, r, r - 0.9, {20, 20, 24});
    } else {
        DrawCase(canvas, size);
    }
    const double scale = r * 0.91;  // the face's radius
    const Ink ink = NormalInk();
    Arc(canvas, c, scale * 0.76, scale * 0.97, MeterAngle(100), MeterAngle(85), kBandRed);
    const double tickWidth = std::max(1.0, size / 40.0);
    // At 16 px eleven ticks run together; every other one keeps the scale's rhythm.
    const int step = size < 24 ? 2 : 1;
    for (int k = 0; k <= 10; k += step)
        Tick(canvas, c, MeterAngle(10 * k), scale * (size < 24 ? 0.62 : 0.72), scale * 0.97, tickWidth, ink.marks);
    if (size >= 40)
        for (int k = 0; k < 10; ++k)
            Tick(canvas, c, MeterAngle(10 * k + 5), scale * 0.85, scale * 0.97, 1.0, ink.marks);
    const double needle = MeterAngle(50);
    // The short grey tail behind the pivot, as the program draws its needle.
    Tick(canvas, c, needle + 180, 0, scale * 0.22, std::max(1.4, size / 20.0), {110, 110, 110});
    Tick(canvas, c, needle, 0, scale * (size < 24 ? 0.92 : 0.86), std::max(1.5, size / 20.0), kNeedleRed);
    DrawHub(canvas, c, std::max(1.5, size * 0.09));
    return canvas;
}

}  // namespace

std::vector<IconImage> WarningLamp() {
    const Canvas pixelArt = FromPixelArt(
        {
            ".dRRd.",
            "dWhRRd",
            "RhRRRr",
            "RRRRrk",
            "dRRrkd",
            ".dkkd.",
        },
        {{'W', {255, 236, 230}},
         {'h', {255, 140, 120}},
         {'R', {232, 28, 22}},
         {'r', {176, 16, 14}},
         {'d', {130, 14, 12}},
         {'k', {92, 8, 8}}});
    std::vector<IconImage> images{Quantize16(pixelArt)};
    for (int size : kLampSizes)
        if (size != 6)
            images.push_back(Quantize16(DrawnLamp(size)));
    return images;
}

std::vector<IconImage> TrayIcon(int band, bool lit) {
    std::vector<IconImage> images;
    for (int size : kTrayIconSizes)
        images.push_back(Quantize16(Gauge(band, lit, size)));
    return images;
}

std::vector<IconImage> ProgramIcon() {
    // 4-bit images for shells that cannot show alpha; the system picks the best match itself.
    return {Quantize16(MiniDial(16)), Quantize16(MiniDial(32)), WithAlpha(MiniDial(16)), WithAlpha(MiniDial(32)),
            WithAlpha(MiniDial(48))};
}

}  // namespace artgen
