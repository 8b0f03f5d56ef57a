#pragma once
// The dial is designed as 100 x 100 pixels at 96 dpi; one factor maps that design space to the pixels of
// the monitor it is on. Core and host share this arithmetic, so a place means the same pixel on both sides.
#include <cmath>

namespace dorv {

inline constexpr int kDesignDpi = 96;
inline constexpr double kTwipsPerInch = 1440.0;

struct DialScale {
    int dpi = kDesignDpi;

    double Factor() const { return static_cast<double>(dpi) / kDesignDpi; }
    // A real-valued design coordinate (line ends).
    double ToDevice(double design) const { return design * Factor(); }
    // Whole-pixel places and sizes (window, region, labels, lamp), to the nearest pixel.
    int Pixels(int design) const { return static_cast<int>(std::lround(design * Factor())); }
    // A pen is never thinner than one pixel.
    int PenPixels(int design) const { return Pixels(design) < 1 ? 1 : Pixels(design); }
    // A device pixel back in design space (mouse positions).
    int ToDesign(int device) const { return static_cast<int>(std::floor(device / Factor())); }
    // Twips keep their physical size: 1440 to the inch at the monitor's dpi.
    double TwipsPerPixel() const { return kTwipsPerInch / dpi; }
};

}  // namespace dorv
