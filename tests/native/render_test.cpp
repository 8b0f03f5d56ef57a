#include <gtest/gtest.h>

#include "app/illumination.h"
#include "app/move_needle.h"
#include "app/sample_tick.h"
#include "fake_host.h"
#include "render/colours.h"

namespace dorv {
namespace {

// Needle 0 points down, 50 up-left, 100 right; colours 1..5 are the centre line, outline, hub centre, hub outline
// and second hand. The lamp follows every needle drawn, whatever its type.
TEST(DrawNeedle, LinesAboutTheCentreInTheirColoursThenTheLamp) {
    const struct {
        double value;
        int type, centre, warning;
        const char* drawing;
    } cases[] = {
        {50, 1, 50, 50,
         "clear;line 21.72,21.72-51.57,48.43 2;line 21.72,21.72-48.43,51.57 2;line 50.00,50.00-21.72,21.72 1;"
         "line 57.07,57.07-51.57,48.43 4;line 57.07,57.07-48.43,51.57 4;line 50.00,50.00-57.07,57.07 3;lamp on;"},
        {0, 1, 50, 1,
         "clear;line 50.00,90.00-47.78,50.00 2;line 50.00,90.00-52.22,50.00 2;line 50.00,50.00-50.00,90.00 1;"
         "line 50.00,40.00-47.78,50.00 4;line 50.00,40.00-52.22,50.00 4;line 50.00,50.00-50.00,40.00 3;lamp off;"},
        {110, 0, 50, 101, "clear;line 50.00,50.00-85.64,68.16 1;lamp on;"},  // past the scale's end
        {0, 0, 60, 0, "clear;line 60.00,60.00-60.00,110.00 1;lamp on;"},
        {85, 2, 50, 85, "clear;lamp on;"},
        {100, 2, 50, 101, "clear;lamp off;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drawing);
        FakeMeter m;
        m.app.activeColours = {1, 2, 3, 4, 5};
        m.app.settings.Needle_type = static_cast<std::int16_t>(c.type);
        m.app.settings.Center = static_cast<std::int16_t>(c.centre);
        m.app.settings.Warning = static_cast<std::int16_t>(c.warning);
        ShowNeedle(m.app, c.value, NeedleKind::Normal);
        EXPECT_EQ(Joined(m.host.drawing), c.drawing);
    }
}

// The hands turn clockwise from twelve; the hour hand moves on with the minutes. The second hand is drawn with a
// 1 pixel pen, the others with 2, and the pen stays wide for later needles. A second is drawn once, or again
// after the readout showed something else.
TEST(DrawClock, HandsInTheirPensAndTheTimeInTheReadout) {
    const struct {
        LocalTime time;
        int type;
        const char* drawing;
        const char* readout;
    } cases[] = {
        {{10, 8, 30},
         0,
         "clear;pen 1;line 50.00,50.00-50.00,92.00 5;pen 2;line 50.00,50.00-29.27,36.02 1;"
         "line 50.00,50.00-79.73,23.23 1;",
         "10:08.30"},
        {{3, 0, 0},
         1,
         "clear;pen 1;line 50.00,50.00-50.00,8.00 5;line 50.00,50.00-50.00,60.00 5;pen 2;"
         "line 75.00,50.00-50.00,46.88 2;line 75.00,50.00-50.00,53.12 2;line 50.00,50.00-75.00,50.00 1;"
         "line 40.00,50.00-50.00,46.88 4;line 40.00,50.00-50.00,53.12 4;line 50.00,50.00-40.00,50.00 3;"
         "line 50.00,10.00-47.78,50.00 2;line 50.00,10.00-52.22,50.00 2;line 50.00,50.00-50.00,10.00 1;"
         "line 50.00,60.00-47.78,50.00 4;line 50.00,60.00-52.22,50.00 4;line 50.00,50.00-50.00,60.00 3;",
         "03:00.00"},
        {{3, 0, 0}, 5, "clear;pen 1;line 50.00,50.00-50.00,8.00 5;pen 2;", "03:00.00"},
    };
    FakeMeter m;
    m.app.activeColours = {1, 2, 3, 4, 5};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.readout);
        m.app.settings.Needle_type = static_cast<std::int16_t>(c.type);
        m.host.time = c.time;
        m.host.drawing.clear();
        ShowClock(m.app);
        EXPECT_EQ(Joined(m.host.drawing), c.drawing);
        EXPECT_EQ(m.host.labels[DialLabelId::Readout].text, c.readout);
        ShowClock(m.app);  // the same second again: nothing more
        EXPECT_EQ(Joined(m.host.drawing), c.drawing);
        m.app.meter.readoutLabel.text = "45.0%";  // the needle's readout: the next second drawn, even the same one
    }
}

// Switching illumination from the menu changes the needle's and the labels' colours, while the afterimages keep
// the shades of the set chosen at start-up (each component 100 darker, not below 0).
TEST(Colours, MenuSwitchKeepsTheShadesOfTheStartUpSet) {
    FakeMeter m;
    m.app.afterimageColours = ComputeAfterimageColours(m.app.settings);
    m.app.settings.Illumination = true;
    SetIllumination(m.app);
    EXPECT_EQ(
        std::tuple(m.app.activeColours.centreLine, m.app.activeColours.secondHand, m.app.afterimageColours.centreLine,
                   m.host.labels[DialLabelId::Readout].colour, m.host.labels[DialLabelId::Mode].colour,
                   ComputeAfterimageColours(m.app.settings).centreLine, DarkenColour(Rgb(0, 200, 255))),
        std::tuple(Rgb(255, 10, 10), Rgb(230, 230, 230), Rgb(130, 0, 0), Rgb(90, 180, 90), Rgb(90, 180, 90),
                   Rgb(155, 0, 0), Rgb(0, 100, 155)));
}

}  // namespace
}  // namespace dorv
