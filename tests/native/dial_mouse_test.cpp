#include <gtest/gtest.h>

#include <string>

#include "app/meter_events.h"
#include "app/meter_lifecycle.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::FakeMeter;
using test::StartMeter;

TEST(DialMouse, OnlyALeftPressOffTheLabelsDrags) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Label_view=1", "Mode_view=1", "Needle=0"});
    OnDialMouseDown(m.app, LeftButton, 0, 20, 20);
    OnDialMouseDown(m.app, LeftButton, 0, 57, 80);  // the mode label; the readout's hit is checked at every scale
    OnDialMouseDown(m.app, RightButton, 0, 20, 20);
    EXPECT_EQ(m.host.drags, 1);
}

struct AvoidCase {
    int x, y;
    int dx, dy;  // pixels the dial moves
};

TEST(MouseAvoidance, StepsAwayFromAPointerInAnOuterThird) {
    const AvoidCase cases[] = {
        {33, 50, 13, 0}, {34, 50, 0, 0}, {66, 50, 0, 0}, {67, 50, -13, 0}, {20, 20, 13, 13}, {80, 80, -13, -13},
    };
    for (const AvoidCase& c : cases) {
        FakeMeter m;
        StartMeter(m, {"[Etc]", "meter_move_flg=1", "[Coordinates]", "Left=6000", "Top=6000"});
        OnDialMouseMove(m.app, 0, 0, c.x, c.y);
        EXPECT_EQ(m.host.Dial().position.x, 400 + c.dx) << c.x << "," << c.y;
        EXPECT_EQ(m.host.Dial().position.y, 400 + c.dy) << c.x << "," << c.y;
    }
}

TEST(MouseAvoidance, WrapsAroundTheScreenAndYieldsToModifierKeys) {
    FakeMeter m;
    StartMeter(m, {"[Etc]", "meter_move_flg=1", "[Coordinates]", "Left=105", "Top=105"});
    ASSERT_EQ(m.host.Dial().position.x, 7);
    OnDialMouseMove(m.app, 0, 0, 80, 80);  // 105 - 200 < 0: back in at the far edges
    EXPECT_EQ(m.host.Dial().position.x, 1024 - 100);
    EXPECT_EQ(m.host.Dial().position.y, 768 - 100);
    OnDialMouseMove(m.app, 0, 0, 20, 20);  // past the far edges: back to 0
    EXPECT_EQ(m.host.Dial().position.x, 0);
    EXPECT_EQ(m.host.Dial().position.y, 0);
    for (int keys : {1, 2, 4, 3}) {  // Shift, Ctrl, Alt, Shift with Ctrl
        OnDialMouseMove(m.app, 0, keys, 20, 20);
        EXPECT_EQ(m.host.Dial().position.x, 0) << keys;
    }
    OnDialMouseMove(m.app, 0, 0, 57, 80);  // the mode label is hidden here, so the dial itself moves up
    EXPECT_EQ(m.host.Dial().position.x, 0);
    EXPECT_EQ(m.host.Dial().position.y, 768 - 100);
}

TEST(MouseAvoidance, LabelsAndTheSwitchKeepTheDialStill) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Label_view=1", "Needle=0", "[Etc]", "meter_move_flg=1", "[Coordinates]", "Left=6000",
                   "Top=6000"});
    OnDialMouseMove(m.app, 0, 0, 90, 70);  // right third, but on the readout
    EXPECT_EQ(m.host.Dial().position.x, 400);
    m.app.settings.meter_move_flg = 0;
    OnDialMouseMove(m.app, 0, 0, 10, 10);
    EXPECT_EQ(m.host.Dial().position.x, 400);
}

TEST(TranslucencyCancel, OpaqueUnderThePointerTranslucentThreeSecondsLater) {
    FakeMeter m;
    m.host.version = {true, 2, 5, 1};
    StartMeter(m, {"[View]", "Mouse_Cancel=1", "Transparency=128"});
    EXPECT_EQ(m.host.Dial().alpha, 128);
    OnDialMouseMove(m.app, 0, ShiftKey, 50, 50);
    EXPECT_EQ(m.host.Dial().alpha, 255);
    EXPECT_EQ(m.app.settings.Transparency, 128);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer3), 3000);
    m.host.log.clear();
    OnDialMouseMove(m.app, 0, 0, 50, 50);  // every movement restarts the countdown
    EXPECT_EQ(std::count(m.host.log.begin(), m.host.log.end(), "timer3 3000"), 1);
    OnMeterTimer(m.app, TimerId::Timer3);
    EXPECT_EQ(m.host.Dial().alpha, 128);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer3), 0);
    OnDialMouseMove(m.app, 0, 0, 60, 70);  // the readout is hidden: the dial still reacts
    EXPECT_EQ(m.host.Dial().alpha, 255);
}

TEST(TranslucencyCancel, NothingHappensOnAnOpaqueDialOrWithTheSwitchOff) {
    for (const char* lines : {"Mouse_Cancel=1\r\nTransparency=255", "Mouse_Cancel=0\r\nTransparency=128"}) {
        FakeMeter m;
        m.host.version = {true, 2, 5, 1};
        StartMeter(m, {"[View]", lines});
        m.host.log.clear();
        OnDialMouseMove(m.app, 0, 0, 50, 50);
        EXPECT_TRUE(m.host.log.empty()) << lines;
    }
}

}  // namespace
}  // namespace dorv
