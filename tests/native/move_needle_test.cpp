#include <gtest/gtest.h>

#include <array>

#include "app/move_needle.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::FakeMeter;

// Full scale in 18 steps with one beep on arrival; back down the mirror image with one beep on leaving.
TEST(MoveNeedle, RisesInEighteenStepsAndFallsInTheirMirrorImage) {
    FakeMeter m;
    m.app.settings.max_beep_flg = 1;
    m.app.settings.down_beep_flg = 1;
    const double rise[] = {20,    36,    48.8,  59.04, 67.23, 73.79, 79.03, 83.22, 86.58,
                           89.26, 91.41, 93.13, 94.50, 95.60, 96.48, 97.19, 97.75, 100};
    for (double step : rise) {
        MoveNeedle(m.app, 100);
        EXPECT_NEAR(m.app.ShownValue, step, 0.006);
        EXPECT_EQ(m.host.beeps, step == 100 ? 1 : 0) << step;
    }
    MoveNeedle(m.app, 100);  // resting at 100: no second beep
    EXPECT_EQ(m.host.beeps, 1);
    for (double step : rise) {
        MoveNeedle(m.app, 0);
        EXPECT_NEAR(m.app.ShownValue, 100 - step, 0.006);
        EXPECT_EQ(m.host.beeps, 2) << step;
    }
}

// A response below one would stall, reverse or lose the needle: it jumps instead, and the stored value stays as read.
TEST(MoveNeedle, ResponseBelowOneJumps) {
    for (std::int16_t quantity : {0, -3}) {
        FakeMeter m;
        m.app.settings.Move_quantity = quantity;
        for (double target : {45.0, 45.0, 10.0}) {
            MoveNeedle(m.app, target);
            EXPECT_EQ(m.app.ShownValue, target) << quantity;
        }
        EXPECT_EQ(m.app.settings.Move_quantity, quantity);
    }
}

// The readout follows the needle only while shown, in the system's decimal symbol; the trail's history only while on.
TEST(MoveNeedle, ReadoutAndTrailFollowOnlyWhileSwitchedOn) {
    FakeMeter m;
    m.app.meter.Label1.text = "old";
    m.app.settings.Zanzo_view = 1;
    MoveNeedle(m.app, 45);
    EXPECT_EQ(m.app.meter.Label1.text, "old");
    m.app.settings.Label_view = 1;
    m.app.settings.Zanzo_view = 0;
    m.app.settingsFile.decimalSymbol = ",";
    MoveNeedle(m.app, 45);
    EXPECT_EQ(m.app.meter.Label1.text, "16,2%");
    EXPECT_EQ(m.app.ZanzoHistory, (std::array<double, 6>{9, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace dorv
