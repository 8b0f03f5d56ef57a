#include <gtest/gtest.h>

#include <vector>

#include "app/move_needle.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::FakeMeter;

TEST(MoveNeedle, RisesFromZeroToFullScaleInEighteenStepsAndBeepsOnArrival) {
    FakeMeter m;
    m.app.settings.max_beep_flg = 1;
    const double expected[] = {20,    36,    48.8,  59.04, 67.23, 73.79, 79.03, 83.22, 86.58,
                               89.26, 91.41, 93.13, 94.50, 95.60, 96.48, 97.19, 97.75, 100};
    for (double step : expected) {
        MoveNeedle(m.app, 100);
        EXPECT_NEAR(m.app.ShownValue, step, 0.006);
        EXPECT_EQ(m.host.beeps, step == 100 ? 1 : 0) << step;
    }
    MoveNeedle(m.app, 100);  // resting at 100: no second beep
    EXPECT_EQ(m.host.beeps, 1);
}

TEST(MoveNeedle, FallingFromFullScaleMirrorsAndBeepsOnTheFirstStep) {
    FakeMeter m;
    m.app.settings.down_beep_flg = 1;
    m.app.ShownValue = 100;
    std::vector<double> steps;
    for (int guard = 0; guard < 30 && m.app.ShownValue != 0; ++guard) {
        MoveNeedle(m.app, 0);
        steps.push_back(m.app.ShownValue);
    }
    ASSERT_EQ(steps.size(), 18u);
    EXPECT_DOUBLE_EQ(steps[0], 80);
    EXPECT_NEAR(steps[16], 2.25, 0.006);
    EXPECT_EQ(m.host.beeps, 1);
}

TEST(MoveNeedle, BeepsAndResponseSettings) {
    struct Case {
        double from, target;
        int maxBeep, downBeep, quantity;
        int beeps;
        double landsAt;
    } cases[] = {
        {100, 99, 0, 1, 5, 1, 99},    // one beep, then the snap lands at once
        {100, 100, 1, 1, 5, 0, 100},  // standing still: neither beep
        {99, 100, 1, 0, 5, 1, 100},   // snap from within 2 points still counts as arriving
        {100, 99, 1, 0, 5, 0, 99},    // only the down beep reacts to leaving
        {50, 100, 0, 1, 5, 0, 60},    // an ordinary rise
        // A response below one jumps instead of stalling or reversing.
        {0, 45, 0, 0, 1, 0, 45},
        {0, 45, 0, 0, 0, 0, 45},
        {60, 10, 0, 0, -3, 0, 10},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        m.app.settings.max_beep_flg = static_cast<std::int16_t>(c.maxBeep);
        m.app.settings.down_beep_flg = static_cast<std::int16_t>(c.downBeep);
        m.app.settings.Move_quantity = static_cast<std::int16_t>(c.quantity);
        m.app.ShownValue = c.from;
        MoveNeedle(m.app, c.target);
        EXPECT_EQ(m.host.beeps, c.beeps) << c.from << " -> " << c.target;
        EXPECT_DOUBLE_EQ(m.app.ShownValue, c.landsAt) << c.from << " -> " << c.target;
        EXPECT_EQ(m.app.settings.Move_quantity, c.quantity);
    }
}

TEST(MoveNeedle, ReadoutFollowsTheNeedleOnlyWhenShown) {
    FakeMeter m;
    m.app.meter.Label1.text = "old";
    MoveNeedle(m.app, 45);
    EXPECT_EQ(m.app.meter.Label1.text, "old");
    m.app.settings.Label_view = 1;
    MoveNeedle(m.app, 45);
    EXPECT_EQ(m.app.meter.Label1.text, "16.2%");
    m.app.settingsFile.decimalSymbol = ",";
    MoveNeedle(m.app, 45);
    EXPECT_EQ(m.app.meter.Label1.text, "22,0%");
}

TEST(MoveNeedle, TrailHistoryShiftsOncePerStepWithinItsLength) {
    struct Case {
        std::int16_t trail;
        std::vector<double> targets;
        bool trailOffForTheLast;
        std::array<double, 6> history;
    } cases[] = {
        {3, {10, 20, 30, 40, 50}, false, {50, 40, 30, 20, 0, 0}},
        {2, {30, 60}, true, {30, 0, 0, 0, 0, 0}},    // left alone without the trail
        {-4, {30, 60}, false, {60, 0, 0, 0, 0, 0}},  // lengths outside the history are held within it
        {9, {30, 60}, false, {60, 30, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        m.app.settings.Zanzo_view = 1;
        m.app.settings.Zanzo_max = c.trail;
        m.app.settings.Move_quantity = 1;
        for (std::size_t i = 0; i < c.targets.size(); ++i) {
            if (c.trailOffForTheLast && i + 1 == c.targets.size())
                m.app.settings.Zanzo_view = 0;
            MoveNeedle(m.app, c.targets[i]);
        }
        EXPECT_EQ(m.app.ZanzoHistory, c.history) << c.trail;
    }
}

}  // namespace
}  // namespace dorv
