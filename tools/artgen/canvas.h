#pragma once
// A small RGBA canvas with supersampled shape filling and crisp pixel writes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace artgen {

inline constexpr double kPi = 3.14159265358979323846;

struct Rgb8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb8&) const = default;
};

// Linear light: blending there keeps thin light strokes on a dark dial from looking starved.
struct Linear {
    float r = 0;
    float g = 0;
    float b = 0;
};

Linear ToLinear(Rgb8 colour);
Rgb8 ToSrgb(Linear colour);
Linear Mix(Linear a, Linear b, float t);
Rgb8 MixSrgb(Rgb8 a, Rgb8 b, float t);

// Premultiplied linear colour with coverage.
struct Pixel {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 0;
};

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height)) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Composites a colour over the pixel with the given coverage.
    void Over(int x, int y, Linear colour, float alpha);
    // Crisp, fully opaque write (pixel font, pixel art).
    void Put(int x, int y, Rgb8 colour);
    void Clear() { std::fill(pixels_.begin(), pixels_.end(), Pixel{}); }

    const Pixel& At(int x, int y) const { return pixels_[Index(x, y)]; }
    float Alpha(int x, int y) const { return At(x, y).a; }
    // The colour without its coverage (what an opaque pixel of the image shows).
    Rgb8 Colour(int x, int y) const;

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }

    int width_;
    int height_;
    std::vector<Pixel> pixels_;
};

// Samples per pixel side: 8 x 8 keeps 1-pixel strokes smooth at any angle.
inline constexpr int kSub = 8;

struct Box {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
};

// Fills where inside(x, y) holds, in continuous coordinates (pixel (i, j) spans [i, i+1) x [j, j+1)),
// with the colour paint(x, y) of the pixel centre. Only pixels meeting the box are visited.
template <class Inside, class Paint>
void FillShape(Canvas& canvas, Box box, Inside inside, Paint paint, float opacity = 1.0f) {
    const int x0 = std::max(0, static_cast<int>(std::floor(box.x0)));
    const int y0 = std::max(0, static_cast<int>(std::floor(box.y0)));
    const int x1 = std::min(canvas.Width(), static_cast<int>(std::ceil(box.x1)) + 1);
    const int y1 = std::min(canvas.Height(), static_cast<int>(std::ceil(box.y1)) + 1);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx)
                    hits += inside(x + (sx + 0.5) / kSub, y + (sy + 0.5) / kSub) ? 1 : 0;
            if (hits > 0)
                canvas.Over(x, y, paint(x + 0.5, y + 0.5), opacity * static_cast<float>(hits) / (kSub * kSub));
        }
    }
}

template <class Inside>
void FillShape(Canvas& canvas, Box box, Inside inside, Rgb8 colour, float opacity = 1.0f) {
    const Linear linear = ToLinear(colour);
    FillShape(
        canvas, box, inside, [linear](double, double) { return linear; }, opacity);
}

// Angles in degrees, counter-clockwise from +x with the screen's y pointing down.
struct Polar {
    double cx = 0;
    double cy = 0;
    double X(double radius, double degrees) const { return cx + radius * std::cos(degrees * kPi / 180); }
    double Y(double radius, double degrees) const { return cy - radius * std::sin(degrees * kPi / 180); }
    double Radius(double x, double y) const { return std::hypot(x - cx, y - cy); }
    // In [0, 360).
    double Angle(double x, double y) const;
};

void Disc(Canvas& canvas, double cx, double cy, double radius, Rgb8 colour, float opacity = 1.0f);
void Ring(Canvas& canvas, double cx, double cy, double inner, double outer, Rgb8 colour, float opacity = 1.0f);
// A thick segment with square ends flush with its end points.
void Segment(Canvas& canvas,
             double x0,
             double y0,
             double x1,
             double y1,
             double width,
             Rgb8 colour,
             float opacity = 1.0f);
// A radial stroke from radius r0 to r1 at an angle, as on a scale.
void Tick(Canvas& canvas, Polar centre, double degrees, double r0, double r1, double width, Rgb8 colour);
// A ring sector between two angles, from a0 counter-clockwise to a1.
void Arc(Canvas& canvas,
         Polar centre,
         double inner,
         double outer,
         double a0,
         double a1,
         Rgb8 colour,
         float opacity = 1.0f);

// Is the angle within the counter-clockwise sweep from a0 to a1 (degrees)?
bool AngleWithin(double angle, double a0, double a1);

}  // namespace artgen
