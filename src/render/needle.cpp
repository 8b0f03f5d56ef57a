#include "render/needle.h"

#include <cmath>

namespace dorv {

std::vector<RoleLine> NeedleLines(double value, int centre, int needleType) {
    const double c = centre;
    const double tipRadius = c - 10;
    const double hubRadius = c - 40;
    const double halfWidth = tipRadius / 18;
    // Counter-clockwise from the positive x axis, as on paper; the screen's y runs downward.
    const double theta = (270 - 2.7 * value) / 180 * kPi;
    const PointF pivot{c, c};
    const PointF tip{c + tipRadius * std::cos(theta), c - tipRadius * std::sin(theta)};
    if (needleType == 0)
        return {{pivot, tip, LineRole::CentreLine}};
    if (needleType != 1)
        return {};
    const PointF side{c + halfWidth * std::sin(theta), c + halfWidth * std::cos(theta)};
    const PointF otherSide{c - halfWidth * std::sin(theta), c - halfWidth * std::cos(theta)};
    const PointF hub{c - hubRadius * std::cos(theta), c + hubRadius * std::sin(theta)};
    std::array<RoleLine, 6> lines = LozengeLines(pivot, tip, side, otherSide, hub);
    return {lines.begin(), lines.end()};
}

void DrawNeedle(const DialSurface& dial,
                const MeterSettings& settings,
                const ActiveColours& colours,
                const AfterimageColours& shades,
                double value,
                NeedleKind kind) {
    if (settings.Zanzo_view == 0)
        ClearDrawing(dial);
    for (const RoleLine& line : NeedleLines(value, settings.Center, settings.Needle_type))
        DrawRoleLine(dial, line,
                     kind == NeedleKind::Afterimage ? AfterimageLineColour(line.role, colours, shades)
                                                    : LineColour(line.role, colours));
}

}  // namespace dorv
