#pragma once
// Points and the lozenge shape shared by the needle and the clock hands.
#include <array>
#include <cstdint>

namespace dorv {

inline constexpr double kPi = 3.14159265358979;

struct PointF {
    double x = 0;
    double y = 0;
};

// Which colour of the set a line takes.
enum class LineRole { CentreLine, Outline, HubCentre, HubOutline, SecondHand };

struct RoleLine {
    PointF from;
    PointF to;
    LineRole role;
};

// A thin lozenge: the front half outlined with a centre line, a short hub behind the pivot. Six lines,
// in drawing order: tip-side, tip-other side, pivot-tip, hub-side, hub-other side, pivot-hub.
std::array<RoleLine, 6> LozengeLines(PointF pivot, PointF tip, PointF side, PointF otherSide, PointF hub);

}  // namespace dorv
