#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/illumination.h"
#include "app/move_needle.h"
#include "app/sample_tick.h"
#include "fake_host.h"
#include "render/clock.h"
#include "render/colours.h"
#include "render/needle.h"

namespace dorv {
namespace {

using test::FakeMeter;

std::string Text(const RoleLine& line) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f,%.2f-%.2f,%.2f", line.from.x, line.from.y, line.to.x, line.to.y);
    return text;
}

std::vector<std::string> Texts(const std::vector<RoleLine>& lines) {
    std::vector<std::string> texts;
    for (const RoleLine& line : lines)
        texts.push_back(Text(line));
    return texts;
}

TEST(NeedleGeometry, PointsAlongTheSweep) {
    struct Case {
        double value;
        int type;
        std::vector<std::string> lines;
        int centre = 50;
    } cases[] = {
        {0, 0, {"50.00,50.00-50.00,90.00"}},
        {0,
         1,
         {"50.00,90.00-47.78,50.00", "50.00,90.00-52.22,50.00", "50.00,50.00-50.00,90.00", "50.00,40.00-47.78,50.00",
          "50.00,40.00-52.22,50.00", "50.00,50.00-50.00,40.00"}},
        {100,
         1,
         {"90.00,50.00-50.00,52.22", "90.00,50.00-50.00,47.78", "50.00,50.00-90.00,50.00", "40.00,50.00-50.00,52.22",
          "40.00,50.00-50.00,47.78", "50.00,50.00-40.00,50.00"}},
        {50, 0, {"50.00,50.00-21.72,21.72"}},
        {110, 0, {"50.00,50.00-85.64,68.16"}},  // past the end of the scale, below three o'clock
        {50, 2, {}},
        {0, 0, {"60.00,60.00-60.00,110.00"}, 60},  // about the centre setting
    };
    for (const Case& c : cases)
        EXPECT_EQ(Texts(NeedleLines(c.value, c.centre, c.type)), c.lines) << c.value << " type " << c.type;
}

TEST(DrawNeedle, ThreeDimensionalNeedleInItsColoursThenLamp) {
    FakeMeter m;
    m.app.activeColours = {1, 2, 3, 4, 5};
    m.app.settings.Warning = 50;
    ShowNeedle(m.app, 50, NeedleKind::Normal);
    const std::string expected =
        "clear;line 21.72,21.72-51.57,48.43 2;line 21.72,21.72-48.43,51.57 2;"
        "line 50.00,50.00-21.72,21.72 1;line 57.07,57.07-51.57,48.43 4;line 57.07,57.07-48.43,51.57 4;"
        "line 50.00,50.00-57.07,57.07 3;lamp on;";
    EXPECT_EQ(test::Joined(m.host.drawing), expected);
}

TEST(DrawNeedle, OtherTypesDrawNothingButStillDriveTheLamp) {
    FakeMeter m;
    m.app.settings.Needle_type = 2;
    m.app.settings.Warning = 85;
    ShowNeedle(m.app, 85, NeedleKind::Normal);
    EXPECT_EQ(m.host.drawing, (std::vector<std::string>{"clear", "lamp on"}));
    m.app.settings.Warning = 101;
    ShowNeedle(m.app, 100, NeedleKind::Normal);
    EXPECT_EQ(m.host.drawing.back(), "lamp off");
}

TEST(DrawNeedle, FullTrailIsThirtySixLinesOldestFirst) {
    FakeMeter m;
    m.app.settings.Zanzo_view = 1;
    m.app.settings.Zanzo_max = 5;
    m.app.settings.Move_quantity = 1;
    m.app.settings.Warning = 35;
    m.app.activeColours = {1, 2, 3, 4, 5};
    m.app.afterimageColours = {11, 12, 13, 14};  // afterimages in their shades, the needle in its colours
    for (double target : {10.0, 20.0, 30.0, 40.0, 50.0})
        MoveNeedle(m.app, target);
    m.host.drawing.clear();
    MoveNeedle(m.app, 60);
    const std::vector<std::string>& calls = m.host.drawing;
    EXPECT_EQ(calls.front(), "clear");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "clear"), 1);
    EXPECT_EQ(test::Starting(calls, "line ").size(), 36u);
    // Each needle ends with the lamp: the five afterimages 10..50 first, the needle at 60 last.
    EXPECT_EQ(test::Starting(calls, "lamp"),
              (std::vector<std::string>{"lamp off", "lamp off", "lamp off", "lamp on", "lamp on", "lamp on"}));
    EXPECT_EQ(calls[3],
              "line " + Text(NeedleLines(10, 50, 1)[2]) + " " + std::to_string(m.app.afterimageColours.centreLine));
    EXPECT_EQ(calls[calls.size() - 2].substr(0, 5), "line ");
}

TEST(Colours, DarkeningTakesAFixedHundredFromEachComponent) {
    struct Case {
        Colour in, out;
    } cases[] = {
        {Rgb(0, 200, 255), Rgb(0, 100, 155)},
        {Rgb(100, 100, 100), Rgb(0, 0, 0)},
        {Rgb(128, 200, 128), Rgb(28, 100, 28)},
        {Rgb(255, 10, 10), Rgb(155, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DarkenColour(c.in), c.out) << c.in;
}

TEST(Colours, MenuSwitchKeepsTheShadesOfTheStartUpSet) {
    FakeMeter m;
    m.app.afterimageColours = ComputeAfterimageColours(m.app.settings);
    m.app.settings.Illumination = true;
    SetIllumination(m.app);
    EXPECT_EQ(m.app.activeColours.centreLine, Rgb(255, 10, 10));
    EXPECT_EQ(m.app.activeColours.secondHand, Rgb(230, 230, 230));
    EXPECT_EQ(m.app.afterimageColours.centreLine, Rgb(130, 0, 0));
    EXPECT_EQ(m.host.labels[DialLabelId::Readout].colour, Rgb(90, 180, 90));
    EXPECT_EQ(m.host.labels[DialLabelId::Mode].colour, Rgb(90, 180, 90));
    EXPECT_EQ(ComputeAfterimageColours(m.app.settings).centreLine, Rgb(155, 0, 0));
}

TEST(ClockGeometry, HandsAtThreeOClockAndTenPastTen) {
    ClockHands three = ClockHandLines({3, 0, 0}, 50, 1);
    EXPECT_EQ(Texts(three.second), (std::vector<std::string>{"50.00,50.00-50.00,8.00", "50.00,50.00-50.00,60.00"}));
    EXPECT_EQ(Texts(three.hour), (std::vector<std::string>{"75.00,50.00-50.00,46.88", "75.00,50.00-50.00,53.12",
                                                           "50.00,50.00-75.00,50.00", "40.00,50.00-50.00,46.88",
                                                           "40.00,50.00-50.00,53.12", "50.00,50.00-40.00,50.00"}));
    EXPECT_EQ(Text(three.minute[2]), "50.00,50.00-50.00,10.00");

    ClockHands tenPast = ClockHandLines({10, 8, 30}, 50, 1);
    EXPECT_EQ(Text(tenPast.hour[2]), "50.00,50.00-29.27,36.02");
    EXPECT_EQ(Texts(tenPast.second), (std::vector<std::string>{"50.00,50.00-50.00,92.00", "50.00,50.00-50.00,40.00"}));

    EXPECT_EQ(Texts(ClockHandLines({15, 0, 0}, 50, 1).hour), Texts(three.hour));
    ClockHands flat = ClockHandLines({3, 0, 0}, 50, 0);
    EXPECT_EQ(flat.second.size(), 1u);
    EXPECT_EQ(Texts(flat.hour), std::vector<std::string>{"50.00,50.00-75.00,50.00"});
    EXPECT_TRUE(ClockHandLines({3, 0, 0}, 50, 5).hour.empty());
}

TEST(DrawClock, SecondHandThinOthersTwoPixelsInDrawOrder) {
    FakeMeter m;
    m.app.activeColours = {1, 2, 3, 4, 5};
    m.app.settings.Needle_type = 0;
    m.host.time = {3, 0, 0};
    ShowClock(m.app);
    const std::string expected =
        "clear;pen 1;line 50.00,50.00-50.00,8.00 5;pen 2;line 50.00,50.00-75.00,50.00 1;"
        "line 50.00,50.00-50.00,10.00 1;";
    EXPECT_EQ(test::Joined(m.host.drawing), expected);
    EXPECT_EQ(m.host.labels[DialLabelId::Readout].text, "03:00.00");
}

TEST(DrawClock, RedrawsOncePerSecondOrWhenTheReadoutWasChangedElsewhere) {
    FakeMeter m;
    m.host.time = {10, 8, 30};
    ShowClock(m.app);
    std::size_t calls = m.host.drawing.size();
    ShowClock(m.app);
    EXPECT_EQ(m.host.drawing.size(), calls);
    m.host.time = {10, 8, 31};
    ShowClock(m.app);
    EXPECT_GT(m.host.drawing.size(), calls);
    calls = m.host.drawing.size();
    m.app.meter.Label1.text = "45.0%";
    ShowClock(m.app);
    EXPECT_GT(m.host.drawing.size(), calls);
}

TEST(DrawClock, LeavesThePenWideForLaterNeedles) {
    FakeMeter m;
    m.app.settings.Needle = MeterMode::Clock;
    SampleTick(m.app);
    m.app.settings.Needle = MeterMode::Mem;
    m.host.memory = {100, 50, 100, 100};
    m.host.drawing.clear();
    SampleTick(m.app);
    EXPECT_EQ(std::count(m.host.drawing.begin(), m.host.drawing.end(), "pen 1"), 0);
    EXPECT_FALSE(test::Starting(m.host.drawing, "line ").empty());
}

}  // namespace
}  // namespace dorv
