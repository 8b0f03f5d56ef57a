#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/meter_events.h"
#include "app/meter_lifecycle.h"
#include "app/move_needle.h"
#include "app/sample_tick.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::FakeMeter;
using test::StartMeter;

std::vector<std::string> Lines(const std::vector<std::string>& drawing) {
    return test::Starting(drawing, "line ");
}

// The design space mapped onto each monitor: the window, its region, the needle's tip and hub, the clock's
// hands with their pens, and the labels. Design values: needle at 0 from the pivot (50, 50) to (50, 90),
// its hub behind at (50, 40); at 3 o'clock the hour hand ends at (75, 50), the second hand at (50, 8).
struct ScaleCase {
    int dpi;
    int side;
    const char* needle;     // pivot to tip, type 0
    const char* hub;        // pivot to hub, type 1
    const char* hourHand;   // pivot to tip, type 0
    const char* secondPen;  // 1 design pixel
    const char* handPen;    // 2 design pixels
    int readoutLeft, readoutTop, readoutWidth, modeTop;
};

constexpr ScaleCase kScales[] = {
    {96, 100, "line 50.00,50.00-50.00,90.00", "line 50.00,50.00-50.00,40.00", "line 50.00,50.00-75.00,50.00", "pen 1",
     "pen 2", 56, 69, 45, 75},
    {120, 125, "line 62.50,62.50-62.50,112.50", "line 62.50,62.50-62.50,50.00", "line 62.50,62.50-93.75,62.50", "pen 1",
     "pen 3", 70, 86, 56, 94},
    {144, 150, "line 75.00,75.00-75.00,135.00", "line 75.00,75.00-75.00,60.00", "line 75.00,75.00-112.50,75.00",
     "pen 2", "pen 3", 84, 104, 68, 113},
    {192, 200, "line 100.00,100.00-100.00,180.00", "line 100.00,100.00-100.00,80.00",
     "line 100.00,100.00-150.00,100.00", "pen 2", "pen 4", 112, 138, 90, 150},
};

TEST(DialScale, DesignSpaceMapsOntoTheMonitorsPixels) {
    for (const ScaleCase& c : kScales) {
        SCOPED_TRACE(c.dpi);
        FakeMeter m;
        m.host.dpi = c.dpi;
        StartMeter(m, {"[View]", "Needle_type=0"});
        EXPECT_EQ(m.host.drawing.front(), "scale " + std::to_string(c.dpi));
        EXPECT_EQ(m.host.Dial().size.width, c.side);
        EXPECT_EQ(m.host.Dial().size.height, c.side);
        EXPECT_EQ(m.host.Dial().regionRight, c.side);
        EXPECT_EQ(m.host.Dial().regionBottom, c.side);
        const LabelView& readout = m.host.labels[DialLabelId::Readout];
        EXPECT_EQ(readout.left, c.readoutLeft);
        EXPECT_EQ(readout.top, c.readoutTop);
        EXPECT_EQ(readout.width, c.readoutWidth);
        EXPECT_EQ(m.host.labels[DialLabelId::Mode].top, c.modeTop);

        m.host.drawing.clear();
        ShowNeedle(m.app, 0, NeedleKind::Normal);
        ASSERT_FALSE(Lines(m.host.drawing).empty());
        EXPECT_EQ(Lines(m.host.drawing)[0].rfind(c.needle, 0), 0u) << Lines(m.host.drawing)[0];
        m.app.settings.Needle_type = 1;
        m.host.drawing.clear();
        ShowNeedle(m.app, 0, NeedleKind::Normal);
        ASSERT_EQ(Lines(m.host.drawing).size(), 6u);
        EXPECT_EQ(Lines(m.host.drawing)[5].rfind(c.hub, 0), 0u) << Lines(m.host.drawing)[5];

        m.app.settings.Needle_type = 0;
        m.host.time = {3, 0, 0};
        m.host.drawing.clear();
        ShowClock(m.app);
        ASSERT_EQ(m.host.drawing.size(), 6u);
        EXPECT_EQ(m.host.drawing[1], c.secondPen);
        EXPECT_EQ(m.host.drawing[3], c.handPen);
        EXPECT_EQ(m.host.drawing[4].rfind(c.hourHand, 0), 0u) << m.host.drawing[4];
    }
}

// Twips keep their physical size: 1440 to the inch at the dial's dpi, for the stored position, the window's
// size, the screen and the 200-twip avoidance steps alike.
TEST(DialScale, TwipsFollowTheMonitorsDpi) {
    const struct {
        int dpi;
        int x, y;             // Left=1500, Top=2880
        const char* dragged;  // written after a drag to pixel (-7, 33)
        int afterAvoidX;      // the pointer at the dial's left edge steps it 200 twips right
    } cases[] = {
        {96, 100, 192, "Left=-105\r\nTop=495\r\n", 113},
        {120, 125, 240, "Left=-84\r\nTop=396\r\n", 142},
        {144, 150, 288, "Left=-70\r\nTop=330\r\n", 170},
        {192, 200, 384, "Left=-52.5\r\nTop=247.5\r\n", 227},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        FakeMeter m;
        m.host.dpi = c.dpi;
        StartMeter(m, {"[Coordinates]", "Left=1500", "Top=2880", "[Etc]", "meter_move_flg=1"});
        EXPECT_EQ(m.host.Dial().position.x, c.x);
        EXPECT_EQ(m.host.Dial().position.y, c.y);
        OnDialMouseMove(m.app, 0, 0, 0, m.host.Dial().size.height / 2);
        EXPECT_EQ(m.host.Dial().position.x, c.afterAvoidX);
        m.host.Dial().position = {-7, 33};
        Quit(m.app);
        EXPECT_NE(m.host.File("meter.ini").find(c.dragged), std::string::npos) << m.host.File("meter.ini");
    }
}

// Mouse positions arrive in device pixels and are compared with the labels in design space.
TEST(DialScale, PointerOverALabelIsFoundAtAnyScale) {
    const struct {
        int dpi;
        int x, y;
        bool drags;
    } cases[] = {
        {96, 57, 70, false},                            // on the readout
        {192, 57, 70, true},                            // the same pixel is the dial's upper left at 200 %
        {192, 114, 140, false}, {144, 84, 104, false},  // the readout's first pixel
        {144, 83, 104, true},
    };
    for (const auto& c : cases) {
        FakeMeter m;
        m.host.dpi = c.dpi;
        StartMeter(m, {"[View]", "Label_view=1"});
        OnDialMouseDown(m.app, LeftButton, 0, c.x, c.y);
        EXPECT_EQ(m.host.drags, c.drags ? 1 : 0) << c.dpi << " " << c.x << "," << c.y;
    }
}

// Dragged onto a monitor of another scale, the dial is drawn again there: shape, labels, pen, trail and needle
// where they were, the trail oldest first; the clock's hands too. The same dpi again changes nothing.
TEST(DialScale, NewDpiRedrawsWhatWasShown) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Needle_type=0", "Zanzo_view=1", "Zanzo_max=2", "[Movement]", "Move_quantity=1"});
    for (double target : {10.0, 20.0, 30.0})
        MoveNeedle(m.app, target);
    m.host.drawing.clear();
    m.host.Dial().size = {150, 150};
    OnDialDpiChanged(m.app, 144);
    EXPECT_EQ(m.host.Dial().regionRight, 150);
    EXPECT_EQ(m.host.labels[DialLabelId::Readout].left, 84);
    ASSERT_GE(m.host.drawing.size(), 3u);
    EXPECT_EQ(m.host.drawing[0], "scale 144");
    EXPECT_EQ(m.host.drawing[1], "pen 2");
    EXPECT_EQ(m.host.drawing[2], "clear");
    const std::vector<std::string> lines = Lines(m.host.drawing);
    const char* expected[] = {"line 75.00,75.00-47.76,128.46 ", "line 75.00,75.00-26.46,110.27 ",
                              "line 75.00,75.00-15.74,84.39 "};
    ASSERT_EQ(lines.size(), 3u);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].rfind(expected[i], 0), 0u) << lines[i];
    const std::size_t calls = m.host.drawing.size();
    OnDialDpiChanged(m.app, 144);
    EXPECT_EQ(m.host.drawing.size(), calls);

    FakeMeter clock;
    StartMeter(clock, {"[View]", "Needle=3", "Needle_type=0"});
    clock.host.time = {3, 0, 0};
    ShowClock(clock.app);
    clock.host.drawing.clear();
    OnDialDpiChanged(clock.app, 192);
    EXPECT_EQ(Lines(clock.host.drawing).size(), 3u);
    EXPECT_EQ(Lines(clock.host.drawing)[1].rfind("line 100.00,100.00-150.00,100.00 ", 0), 0u);
    EXPECT_EQ(clock.host.labels[DialLabelId::Readout].text, "03:00.00");
}

}  // namespace
}  // namespace dorv
