#include <gtest/gtest.h>

#include <vector>

#include "app/move_needle.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::FakeMeter;

// Steps the needle toward a target until it lands, returning each position.
std::vector<double> Glide(FakeMeter& m, double target) {
    std::vector<double> steps;
    for (int guard = 0; guard < 100; ++guard) {
        MoveNeedle(m.app, target);
        steps.push_back(m.app.ShownValue);
        if (m.app.ShownValue == target)
            break;
    }
    return steps;
}

TEST(MoveNeedle, RisesFromZeroToFullScaleInEighteenStepsAndBeepsOnArrival) {
    FakeMeter m;
    m.app.settings.max_beep_flg = 1;
    std::vector<double> steps;
    std::vector<int> beepsAfter;
    for (int i = 0; i < 18; ++i) {
        MoveNeedle(m.app, 100);
        steps.push_back(m.app.ShownValue);
        beepsAfter.push_back(m.host.beeps);
    }
    const double expected[] = {20,    36,    48.8,  59.04, 67.23, 73.79, 79.03, 83.22, 86.58,
                               89.26, 91.41, 93.13, 94.50, 95.60, 96.48, 97.19, 97.75, 100};
    for (int i = 0; i < 18; ++i)
        EXPECT_NEAR(steps[static_cast<std::size_t>(i)], expected[i], 0.006) << "step " << i + 1;
    EXPECT_EQ(beepsAfter[16], 0);
    EXPECT_EQ(beepsAfter[17], 1);
    MoveNeedle(m.app, 100);  // resting at 100: no second beep
    EXPECT_EQ(m.host.beeps, 1);
}

TEST(MoveNeedle, FallingFromFullScaleMirrorsAndBeepsOnTheFirstStep) {
    FakeMeter m;
    m.app.settings.down_beep_flg = 1;
    m.app.ShownValue = 100;
    MoveNeedle(m.app, 0);
    EXPECT_DOUBLE_EQ(m.app.ShownValue, 80);
    EXPECT_EQ(m.host.beeps, 1);
    std::vector<double> rest = Glide(m, 0);
    EXPECT_EQ(rest.size(), 17u);
    EXPECT_NEAR(rest[rest.size() - 2], 2.25, 0.006);
    EXPECT_EQ(m.host.beeps, 1);
}

TEST(MoveNeedle, RisesToFortyFiveInFourteenSteps) {
    FakeMeter m;
    std::vector<double> steps = Glide(m, 45);
    ASSERT_EQ(steps.size(), 14u);
    EXPECT_DOUBLE_EQ(steps[0], 9);
    EXPECT_DOUBLE_EQ(steps[1], 16.2);
    EXPECT_NEAR(steps[2], 21.96, 1e-9);
    EXPECT_NEAR(steps[12], 42.53, 0.006);
    EXPECT_DOUBLE_EQ(steps[13], 45);
}

TEST(MoveNeedle, BeepCases) {
    struct Case {
        double from, target;
        int maxBeep, downBeep;
        int beeps;
        double landsAt;
    } cases[] = {
        {100, 99, 0, 1, 1, 99},    // one beep, then the snap lands at once
        {100, 100, 1, 1, 0, 100},  // standing still: neither beep
        {99, 100, 1, 0, 1, 100},   // snap from within 2 points still counts as arriving
        {100, 99, 1, 0, 0, 99},    // only the down beep reacts to leaving
        {50, 100, 0, 1, 0, 60},    // an ordinary rise
    };
    for (const Case& c : cases) {
        FakeMeter m;
        m.app.settings.max_beep_flg = static_cast<std::int16_t>(c.maxBeep);
        m.app.settings.down_beep_flg = static_cast<std::int16_t>(c.downBeep);
        m.app.ShownValue = c.from;
        MoveNeedle(m.app, c.target);
        EXPECT_EQ(m.host.beeps, c.beeps) << c.from << " -> " << c.target;
        EXPECT_DOUBLE_EQ(m.app.ShownValue, c.landsAt) << c.from << " -> " << c.target;
    }
}

TEST(MoveNeedle, ResponseSettingBelowOneJumpsInsteadOfStallingOrReversing) {
    for (std::int16_t q : {1, 0, -3}) {
        FakeMeter m;
        m.app.settings.Move_quantity = q;
        MoveNeedle(m.app, 45);
        EXPECT_DOUBLE_EQ(m.app.ShownValue, 45) << "Move_quantity " << q;
        MoveNeedle(m.app, 10);
        EXPECT_DOUBLE_EQ(m.app.ShownValue, 10) << "Move_quantity " << q;
        EXPECT_EQ(m.app.settings.Move_quantity, q);
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
    m.host.decimalSymbol = ",";
    m.app.settingsFile.decimalSymbol = ",";
    MoveNeedle(m.app, 45);
    EXPECT_EQ(m.app.meter.Label1.text, "22,0%");
}

TEST(MoveNeedle, TrailShiftsTheHistoryOncePerStep) {
    FakeMeter m;
    m.app.settings.Zanzo_view = 1;
    m.app.settings.Zanzo_max = 3;
    m.app.settings.Move_quantity = 1;
    for (double target : {10.0, 20.0, 30.0, 40.0, 50.0})
        MoveNeedle(m.app, target);
    EXPECT_EQ(m.app.ZanzoHistory, (std::array<double, 6>{50, 40, 30, 20, 0, 0}));
}

TEST(MoveNeedle, TrailHistoryIsLeftAloneWithoutTheTrail) {
    FakeMeter m;
    m.app.settings.Zanzo_view = 1;
    m.app.settings.Move_quantity = 1;
    MoveNeedle(m.app, 30);
    m.app.settings.Zanzo_view = 0;
    MoveNeedle(m.app, 60);
    EXPECT_EQ(m.app.ZanzoHistory, (std::array<double, 6>{30, 0, 0, 0, 0, 0}));
}

TEST(MoveNeedle, TrailLengthOutsideTheHistoryIsHeldWithinIt) {
    struct Case {
        std::int16_t trail;
        std::array<double, 6> history;
    } cases[] = {
        {-4, {60, 0, 0, 0, 0, 0}}, {9, {60, 30, 0, 0, 0, 0}},  // the five afterimages the history holds
    };
    for (const Case& c : cases) {
        FakeMeter m;
        m.app.settings.Zanzo_view = 1;
        m.app.settings.Zanzo_max = c.trail;
        m.app.settings.Move_quantity = 1;
        MoveNeedle(m.app, 30);
        MoveNeedle(m.app, 60);
        EXPECT_EQ(m.app.ZanzoHistory, c.history) << c.trail;
    }
}

TEST(MoveNeedle, WarningLampFollowsEveryNeedleDrawn) {
    FakeMeter m;
    m.app.settings.Move_quantity = 1;
    m.app.settings.Warning = 85;
    MoveNeedle(m.app, 85);
    EXPECT_TRUE(m.app.meter.warningLampVisible);
    MoveNeedle(m.app, 84);
    EXPECT_FALSE(m.app.meter.warningLampVisible);
    m.app.settings.Warning = 101;
    MoveNeedle(m.app, 100);
    EXPECT_FALSE(m.app.meter.warningLampVisible);
    // With a trail the current needle is drawn last, so it decides.
    m.app.settings.Warning = 50;
    m.app.settings.Zanzo_view = 1;
    m.app.settings.Zanzo_max = 5;
    MoveNeedle(m.app, 10);
    EXPECT_FALSE(m.app.meter.warningLampVisible);
}

}  // namespace
}  // namespace dorv
