#include "dial.h"

namespace artgen {
namespace {

// Light falls from the upper left: 1 there, -1 at the lower right.
double Lighting(Polar centre, double x, double y) {
    return std::cos((centre.Angle(x, y) - 135) * kPi / 180);
}

Linear Grey(double level) {
    const auto v = static_cast<std::uint8_t>(std::clamp(level, 0.0, 255.0));
    return ToLinear({v, v, static_cast<std::uint8_t>(std::min(255.0, level * 1.06 + 2))});
}

template <class Paint>
void Band(Canvas& canvas, Polar c, double inner, double outer, Paint paint) {
    const double i2 = inner * inner;
    const double o2 = outer * outer;
    FillShape(
        canvas, {c.cx - outer, c.cy - outer, c.cx + outer, c.cy + outer},
        [=](double x, double y) {
            const double d2 = (x - c.cx) * (x - c.cx) + (y - c.cy) * (y - c.cy);
            return d2 >= i2 && d2 < o2;
        },
        paint);
}

}  // namespace

Ink NormalInk() {
    return {{236, 236, 232}, {190, 190, 190}};
}

Ink LitInk() {
    return {{90, 220, 90}, {80, 190, 80}};
}

void DrawCase(Canvas& canvas, double size) {
    const double s = size / 100;
    const Polar c{size / 2, size / 2};
    // Face: a faint lift towards the middle keeps it from reading as a hole.
    Band(canvas, c, 0, 46 * s, [c, s](double x, double y) {
        const double t = std::min(1.0, c.Radius(x, y) / (46 * s));
        return Grey(30 - 16 * t * t);
    });
    // Bezel: an outer rim lit from the upper left, then an inner bevel lit the other way round,
    // which sinks the face into the case.
    Band(canvas, c, 46 * s, 50 * s, [c, s](double x, double y) {
        const double r = c.Radius(x, y);
        const double light = Lighting(c, x, y);
        if (r < 47.3 * s)
            return Grey(78 - 38 * light);
        if (r > 49.2 * s)
            return Grey(44 + 16 * light);
        return Grey(128 + 62 * light);
    });
}

void DrawHub(Canvas& canvas, Polar p, double radius) {
    Disc(canvas, p.cx, p.cy, radius + 0.8, {10, 10, 12}, 0.8f);
    FillShape(
        canvas, {p.cx - radius, p.cy - radius, p.cx + radius, p.cy + radius},
        [=](double x, double y) { return p.Radius(x, y) <= radius; },
        [=](double x, double y) {
            const double r = p.Radius(x, y) / radius;
            const double light = Lighting(p, x, y);
            // A domed cap: brighter towards the light, a darker lip at the edge.
            return Grey(118 + 40 * light * r - (r > 0.82 ? 34 : 0));
        });
}

}  // namespace artgen
