#include "render/needle.h"

#include <cmath>

#include "app/meter_app.h"
#include "render/dial_surface.h"
#include "tray_menu/tray_icon.h"

namespace dorv {
namespace {

Colour NeedleColour(const MeterApp& app, LineRole role, NeedleKind kind) {
    const ActiveColours& normal = app.activeColours;
    const AfterimageColours& shade = app.afterimageColours;
    bool after = kind == NeedleKind::Afterimage;
    switch (role) {
        case LineRole::Outline:
            return after ? shade.outline : normal.outline;
        case LineRole::HubCentre:
            return after ? shade.hubCentre : normal.hubCentre;
        case LineRole::HubOutline:
            return after ? shade.hubOutline : normal.hubOutline;
        case LineRole::SecondHand:
            return normal.secondHand;
        case LineRole::CentreLine:
            break;
    }
    return after ? shade.centreLine : normal.centreLine;
}

}  // namespace

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

void DrawNeedle(MeterApp& app, double value, NeedleKind kind) {
    const MeterSettings& s = app.settings;
    // With the trail on, the motion step clears once before the whole trail.
    if (s.Zanzo_view == 0)
        ClearDrawing(app);
    for (const RoleLine& line : NeedleLines(value, s.Center, s.Needle_type))
        app.platform.drawing.DrawLine(app.meter.window, static_cast<float>(line.from.x),
                                      static_cast<float>(line.from.y), static_cast<float>(line.to.x),
                                      static_cast<float>(line.to.y), NeedleColour(app, line.role, kind));
    ShowWarningLamp(app, value >= s.Warning);
    if (s.Icon_view == 1)
        UpdateTrayIcon(app, value);
}

}  // namespace dorv
