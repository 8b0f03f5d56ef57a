#include "render/clock.h"

#include <cmath>
#include <cstdio>

namespace dorv {
namespace {

PointF OnCircle(double c, double radius, double angle) {
    return {c + radius * std::cos(angle), c + radius * std::sin(angle)};
}

// An hour or minute hand: a line for type 0, a lozenge with a hub for type 1, nothing otherwise.
std::vector<RoleLine> Hand(double c, double angle, double radius, double halfWidth, int needleType) {
    const PointF pivot{c, c};
    const PointF tip = OnCircle(c, radius, angle);
    if (needleType == 0)
        return {{pivot, tip, LineRole::CentreLine}};
    if (needleType != 1)
        return {};
    const PointF side{c + halfWidth * std::sin(angle), c - halfWidth * std::cos(angle)};
    const PointF otherSide{c - halfWidth * std::sin(angle), c + halfWidth * std::cos(angle)};
    const PointF hub = OnCircle(c, c - 40, angle + kPi);
    std::array<RoleLine, 6> lines = LozengeLines(pivot, tip, side, otherSide, hub);
    return {lines.begin(), lines.end()};
}

void DrawLines(const DialSurface& dial, const std::vector<RoleLine>& lines, const ActiveColours& colours) {
    for (const RoleLine& line : lines)
        DrawRoleLine(dial, line, LineColour(line.role, colours));
}

}  // namespace

std::string FormatClockText(const LocalTime& time) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d.%02d", time.hour % 100, time.minute % 100, time.second % 100);
    return text;
}

ClockHands ClockHandLines(const LocalTime& time, int centre, int needleType) {
    const double c = centre;
    const double second = 2 * kPi * time.second / 60 - kPi / 2;
    const double hour = 2 * kPi * time.hour / 12 - kPi / 2 + 2 * kPi * time.minute / 720;
    const double minute = 2 * kPi * time.minute / 60 - kPi / 2;
    ClockHands hands;
    hands.second.push_back({{c, c}, OnCircle(c, c - 8, second), LineRole::SecondHand});
    if (needleType == 1)
        hands.second.push_back({{c, c}, OnCircle(c, c - 40, second + kPi), LineRole::SecondHand});
    hands.hour = Hand(c, hour, c - 25, (c - 25) / 8, needleType);
    hands.minute = Hand(c, minute, c - 10, (c - 10) / 18, needleType);
    return hands;
}

bool DrawClock(const DialSurface& dial,
               const LocalTime& now,
               int centre,
               int needleType,
               const ActiveColours& colours) {
    const std::string text = FormatClockText(now);
    // The readout's text is the memory of the last second drawn, shown or not.
    if (text == dial.state.readoutLabel.text)
        return false;
    ClearDrawing(dial);
    const ClockHands hands = ClockHandLines(now, centre, needleType);
    SetPenWidth(dial, 1);
    DrawLines(dial, hands.second, colours);
    // The pen stays at 2 pixels afterwards, so later needles are drawn 2 pixels wide too.
    SetPenWidth(dial, 2);
    DrawLines(dial, hands.hour, colours);
    DrawLines(dial, hands.minute, colours);
    dial.state.readoutLabel.text = text;
    RefreshLabel(dial, DialLabelId::Readout);
    return true;
}

}  // namespace dorv
