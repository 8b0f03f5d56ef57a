#include <gtest/gtest.h>

#include "app/move_needle.h"
#include "app/sample_tick.h"
#include "fake_host.h"

namespace dorv {
namespace {

// The design space (100 x 100 pixels at 96 dpi) on a 120 dpi monitor: window and region, and labels. Whole pixels
// round to the nearest (93.75 is 94).
TEST(DialScale, DesignSpaceMapsOntoTheMonitorsPixels) {
    FakeMeter m;
    m.host.dpi = 120;
    StartMeter(m, {});
    EXPECT_EQ(m.host.drawing.front(), "scale 120");
    const auto& dial = m.host.Dial();
    EXPECT_EQ((std::vector<int>{dial.size.width, dial.size.height, dial.regionRight, dial.regionBottom}),
              std::vector<int>(4, 125));
    EXPECT_EQ(std::pair(m.host.labels[DialLabelId::Readout].width, m.host.labels[DialLabelId::Mode].top),
              std::pair(56, 94));
}

// Twips keep their physical size, 1440 to the inch at the dial's dpi (7.5 to the pixel at 192): the stored position,
// the 200-twip step away from the pointer and the position written after a drag to pixel (-7, 33).
TEST(DialScale, TwipsFollowThePrimaryMonitorsDpi) {
    FakeMeter m;
    m.host.dpi = 192;
    StartMeter(m, {"[Coordinates]", "Left=1500", "Top=2880", "[Etc]", "meter_move_flg=1"});
    EXPECT_EQ(m.host.DialAt(), "200,384");
    OnDialMouseMove(m.app, 0, 0, 0, m.host.Dial().size.height / 2);
    EXPECT_EQ(m.host.Dial().position.x, 227);
    OnDialDpiChanged(m.app, 96);  // another monitor's scale: positions keep the desktop's one factor
    m.host.Dial().position = {-7, 33};
    Quit(m.app);
    EXPECT_NE(m.host.File("meter.ini").find("Left=-52.5\r\nTop=247.5\r\n"), std::string::npos);
}

// Mouse positions arrive in device pixels and are compared with the readout (56, 69 in design space).
TEST(DialScale, PointerOverALabelIsFoundAtAnyScale) {
    const struct {
        int dpi, x, y;
        bool drags;
    } cases[] = {{192, 57, 70, true}, {144, 84, 104, false}, {144, 83, 104, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        FakeMeter m;
        m.host.dpi = c.dpi;
        StartMeter(m, {"[View]", "Label_view=1"});
        OnDialMouseDown(m.app, LeftButton, 0, c.x, c.y);
        EXPECT_EQ(m.host.drags, c.drags ? 1 : 0);
    }
}

// The trail: one clear, the afterimages oldest first in their shades, each needle followed by its lamp. Dragged onto a
// monitor of another scale, the dial draws what it showed again there; the same dpi again changes nothing.
TEST(DialScale, TrailOldestFirstAndRedrawnAtANewDpi) {
    FakeMeter m;
    StartMeter(
        m, {"[View]", "Needle_type=0", "Zanzo_view=1", "Zanzo_max=2", "[Movement]", "Move_quantity=1", "Warning=20"});
    m.app.activeColours = {1, 2, 3, 4, 5};
    m.app.afterimageColours = {11, 12, 13, 14};
    MoveNeedle(m.app, 10);
    MoveNeedle(m.app, 20);
    m.host.drawing.clear();
    MoveNeedle(m.app, 30);
    EXPECT_EQ(Joined(m.host.drawing),
              "clear;line 50.00,50.00-31.84,85.64 11;lamp off;line 50.00,50.00-17.64,73.51 11;lamp on;"
              "line 50.00,50.00-10.49,56.26 1;lamp on;");
    m.host.drawing.clear();
    m.host.Dial().size = {150, 150};
    OnDialDpiChanged(m.app, 144);
    EXPECT_EQ(std::pair(m.host.Dial().regionRight, m.host.labels[DialLabelId::Readout].left), std::pair(150, 84));
    EXPECT_EQ(Joined(m.host.drawing),
              "scale 144;pen 2;clear;line 75.00,75.00-47.76,128.46 11;lamp off;line 75.00,75.00-26.46,110.27 11;"
              "lamp on;line 75.00,75.00-15.74,84.39 1;lamp on;");
    const std::size_t calls = m.host.drawing.size();
    OnDialDpiChanged(m.app, 144);
    EXPECT_EQ(m.host.drawing.size(), calls);

    FakeMeter clock;
    StartMeter(clock, {"[View]", "Needle=3", "Needle_type=0"});
    clock.host.time = {3, 0, 0};
    ShowClock(clock.app);
    clock.host.drawing.clear();
    OnDialDpiChanged(clock.app, 192);
    EXPECT_NE(Joined(clock.host.drawing).find("line 100.00,100.00-150.00,100.00 "), std::string::npos);
}

}  // namespace
}  // namespace dorv
