#include <gtest/gtest.h>

#include "fake_host.h"

namespace dorv {
namespace {

TEST(MouseAvoidance, StepsAwayFromAPointerInAnOuterThirdButNotFromALabel) {
    const struct {
        int x, y;
        const char* at;
    } cases[] = {
        {33, 50, "413,400"}, {34, 50, "400,400"}, {66, 50, "400,400"}, {67, 50, "387,400"},
        {20, 20, "413,413"}, {80, 80, "387,387"}, {90, 70, "400,400"},  // right third, but on the readout
    };
    for (const auto& c : cases) {
        FakeMeter m;
        StartMeter(m, {"[View]", "Label_view=1", "Needle=0", "[Etc]", "meter_move_flg=1", "[Coordinates]", "Left=6000",
                       "Top=6000"});
        OnDialMouseMove(m.app, 0, 0, c.x, c.y);
        EXPECT_EQ(m.host.DialAt(), c.at) << c.x << "," << c.y;
    }
}

TEST(MouseAvoidance, WrapsAroundTheScreenAndYieldsToModifierKeysAndTheSwitch) {
    FakeMeter m;
    StartMeter(m, {"[Etc]", "meter_move_flg=1", "[Coordinates]", "Left=105", "Top=105"});
    OnDialMouseMove(m.app, 0, 0, 80, 80);  // 7 - 13 < 0: back in at the far edges
    EXPECT_EQ(m.host.DialAt(), "924,668");
    OnDialMouseMove(m.app, 0, 0, 20, 20);  // past the far edges: back to 0
    EXPECT_EQ(m.host.DialAt(), "0,0");
    for (int keys : {1, 2, 4, 3}) {  // Shift, Ctrl, Alt, Shift with Ctrl
        OnDialMouseMove(m.app, 0, keys, 20, 20);
        EXPECT_EQ(m.host.DialAt(), "0,0") << keys;
    }
    OnDialMouseMove(m.app, 0, 0, 57, 80);  // the mode label is hidden here, so the dial itself moves up
    EXPECT_EQ(m.host.DialAt(), "0,668");
    m.app.settings.meter_move_flg = 0;
    OnDialMouseMove(m.app, 0, 0, 20, 20);
    EXPECT_EQ(m.host.DialAt(), "0,668");
    // On a monitor right of the primary, the dial wraps around that one.
    m.host.monitors = {{0, 0, 1024, 768}, {1024, -100, 2048, 668}};
    m.app.settings.meter_move_flg = 1;
    m.host.MoveWindow(m.app.meter.window, {1031, -93});
    OnDialMouseMove(m.app, 0, 0, 80, 80);
    EXPECT_EQ(m.host.DialAt(), "1948,568");
    OnDialMouseMove(m.app, 0, 0, 20, 20);
    EXPECT_EQ(m.host.DialAt(), "1024,-100");
}

// Only a left press off the labels drags.
TEST(DialMouse, DragsAndTranslucencyCancel) {
    FakeMeter m;
    m.host.version = {true, 2, 5, 1};
    StartMeter(m, {"[View]", "Mouse_Cancel=1", "Transparency=128", "Mode_view=1"});
    OnDialMouseDown(m.app, LeftButton, 0, 20, 20);
    OnDialMouseDown(m.app, LeftButton, 0, 57, 80);  // the mode label; the readout's hit is checked at every scale
    OnDialMouseDown(m.app, RightButton, 0, 20, 20);
    EXPECT_EQ(m.host.drags, 1);
    // Opaque under the pointer, translucent three seconds later, only when on and translucent.
    OnDialMouseMove(m.app, 0, ShiftKey, 50, 50);
    EXPECT_EQ(m.host.Dial().alpha, 255);
    EXPECT_EQ(m.app.settings.Transparency, 128);
    EXPECT_EQ(m.host.TimerInterval(TimerId::OpaqueHold), 3000);
    m.host.log.clear();
    OnDialMouseMove(m.app, 0, 0, 50, 50);  // every movement restarts the countdown
    EXPECT_EQ(std::count(m.host.log.begin(), m.host.log.end(), "timer3 3000"), 1);
    OnTimer(m.app, TimerId::OpaqueHold);
    EXPECT_EQ(m.host.TimerInterval(TimerId::OpaqueHold), 0);
    m.app.settings.Mouse_Cancel = 0;  // nothing happens with the switch off, or on an opaque dial
    OnDialMouseMove(m.app, 0, 0, 50, 50);
    m.app.settings.Mouse_Cancel = 1;
    m.app.settings.Transparency = 255;
    OnDialMouseMove(m.app, 0, 0, 50, 50);
    EXPECT_EQ(m.host.Dial().alpha, 128);
    m.app.settings.Transparency = 128;
    OnDialMouseMove(m.app, 0, 0, 60, 70);  // the readout is hidden: the dial still reacts
    EXPECT_EQ(m.host.Dial().alpha, 255);
}

}  // namespace
}  // namespace dorv
