#include "canvas.h"

namespace artgen {
namespace {

float ChannelToLinear(std::uint8_t value) {
    const float c = value / 255.0f;
    return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}

std::uint8_t ChannelToSrgb(float value) {
    const float c = std::clamp(value, 0.0f, 1.0f);
    const float s = c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f;
    return static_cast<std::uint8_t>(std::lround(s * 255.0f));
}

}  // namespace

Linear ToLinear(Rgb8 colour) {
    return {ChannelToLinear(colour.r), ChannelToLinear(colour.g), ChannelToLinear(colour.b)};
}

Rgb8 ToSrgb(Linear colour) {
    return {ChannelToSrgb(colour.r), ChannelToSrgb(colour.g), ChannelToSrgb(colour.b)};
}

Linear Mix(Linear a, Linear b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb8 MixSrgb(Rgb8 a, Rgb8 b, float t) {
    return ToSrgb(Mix(ToLinear(a), ToLinear(b), t));
}

void Canvas::Over(int x, int y, Linear colour, float alpha) {
    if (!Contains(x, y) || alpha <= 0)
        return;
    alpha = std::min(alpha, 1.0f);
    Pixel& p = pixels_[Index(x, y)];
    p.r = colour.r * alpha + p.r * (1 - alpha);
    p.g = colour.g * alpha + p.g * (1 - alpha);
    p.b = colour.b * alpha + p.b * (1 - alpha);
    p.a = alpha + p.a * (1 - alpha);
}

void Canvas::Put(int x, int y, Rgb8 colour) {
    if (!Contains(x, y))
        return;
    const Linear c = ToLinear(colour);
    pixels_[Index(x, y)] = {c.r, c.g, c.b, 1.0f};
}

Rgb8 Canvas::Colour(int x, int y) const {
    const Pixel& p = At(x, y);
    if (p.a <= 0)
        return {};
    return ToSrgb({p.r / p.a, p.g / p.a, p.b / p.a});
}

double Polar::Angle(double x, double y) const {
    double degrees = std::atan2(cy - y, x - cx) * 180 / kPi;
    return degrees < 0 ? degrees + 360 : degrees;
}

bool AngleWithin(double angle, double a0, double a1) {
    auto wrap = [](double a) { return a - 360 * std::floor(a / 360); };
    const double span = a1 - a0;
    if (span >= 360)
        return true;
    return wrap(angle - a0) <= wrap(span);
}

void Disc(Canvas& canvas, double cx, double cy, double radius, Rgb8 colour, float opacity) {
    const double r2 = radius * radius;
    FillShape(
        canvas, {cx - radius, cy - radius, cx + radius, cy + radius},
        [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r2; }, colour, opacity);
}

void Ring(Canvas& canvas, double cx, double cy, double inner, double outer, Rgb8 colour, float opacity) {
    const double i2 = inner * inner;
    const double o2 = outer * outer;
    FillShape(
        canvas, {cx - outer, cy - outer, cx + outer, cy + outer},
        [=](double x, double y) {
            const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            return d2 >= i2 && d2 <= o2;
        },
        colour, opacity);
}

void Segment(Canvas& canvas, double x0, double y0, double x1, double y1, double width, Rgb8 colour, float opacity) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length = std::hypot(dx, dy);
    if (length <= 0)
        return;
    const double ux = dx / length;
    const double uy = dy / length;
    const double half = width / 2;
    const Box box{std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half, std::max(y0, y1) + half};
    FillShape(
        canvas, box,
        [=](double x, double y) {
            const double along = (x - x0) * ux + (y - y0) * uy;
            const double across = (x - x0) * -uy + (y - y0) * ux;
            return along >= 0 && along <= length && std::abs(across) <= half;
        },
        colour, opacity);
}

void Tick(Canvas& canvas, Polar c, double degrees, double r0, double r1, double width, Rgb8 colour) {
    Segment(canvas, c.X(r0, degrees), c.Y(r0, degrees), c.X(r1, degrees), c.Y(r1, degrees), width, colour);
}

void Arc(Canvas& canvas, Polar c, double inner, double outer, double a0, double a1, Rgb8 colour, float opacity) {
    const double i2 = inner * inner;
    const double o2 = outer * outer;
    FillShape(
        canvas, {c.cx - outer, c.cy - outer, c.cx + outer, c.cy + outer},
        [=](double x, double y) {
            const double d2 = (x - c.cx) * (x - c.cx) + (y - c.cy) * (y - c.cy);
            return d2 >= i2 && d2 <= o2 && AngleWithin(c.Angle(x, y), a0, a1);
        },
        colour, opacity);
}

}  // namespace artgen
