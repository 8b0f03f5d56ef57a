#include <gtest/gtest.h>

#include <array>

#include "app/move_needle.h"
#include "app/sample_tick.h"
#include "fake_host.h"

namespace dorv {
namespace {

constexpr std::uint64_t kGiB = 1024ull * 1024 * 1024;

// Loads round halves to even (98.5), survive machines beyond 32 bits and count more available than in total as no
// load. The clock draws the time and leaves the needle's values; a mode outside the four draws nothing.
TEST(SampleTick, SamplesTheQuantityOfTheMode) {
    struct Case {
        int mode;
        MemoryStatus memory;
        double cpuReading;
        std::int32_t value;
    } cases[] = {
        {MeterMode::Mem, {1000, 15, 0, 0}, 0, 98},
        {MeterMode::Mem, {64 * kGiB, 16 * kGiB, 0, 0}, 0, 75},
        {MeterMode::Mem, {3 * kGiB, kGiB, 0, 0}, 0, 67},
        {MeterMode::Mem, {0, 0, 1000, 0}, 0, 0},
        {MeterMode::VMem, {1000, 1000, 200, 100}, 0, 50},
        {MeterMode::VMem, {1000, 0, 0, 0}, 0, 0},
        {MeterMode::VMem, {0, 0, 1, ~0ull}, 0, 0},
        {MeterMode::Cpu, {}, 12.5, 12},
        {MeterMode::Cpu, {}, 13.5, 14},
        {MeterMode::Cpu, {}, 99.5, 100},
        {7, {}, 50, 12},
        {MeterMode::Clock, {}, 50, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.value);
        FakeMeter m;
        m.host.memory = c.memory;
        m.host.cpuReadings.push_back(c.cpuReading);
        m.host.time = {23, 59, 59};
        m.app.cpu = {.open = true, .times = {ProcessorTimes{}}};  // opened, the fake's times at zero read
        m.app.settings.Move_quantity = 1;
        m.app.settings.Needle = c.mode;
        m.app.CurrentValue = 12;
        m.app.ShownValue = 33;
        SampleTick(m.app);
        const bool needle = c.mode != 7 && c.mode != MeterMode::Clock;
        EXPECT_EQ(std::tuple(m.app.CurrentValue, m.app.ShownValue, m.host.DrawCalls() == 0,
                             m.app.meter.readoutLabel.text == "23:59.59"),
                  std::tuple(c.value, needle ? c.value : 33.0, c.mode == 7, c.mode == MeterMode::Clock));
    }
}

TEST(SampleTick, RedrawsOnlyWhileTheTextsDifferOrTheTrailLags) {
    struct Case {
        double shown;
        std::array<double, 6> history;
        std::int16_t trail;
        bool redraw;
        const char* symbol = ".";
    } cases[] = {
        {44.96, {}, 2, false},  // "45.0" either way: arrived
        {44.94, {}, 2, true},
        {44.96, {}, 2, false, ","},                 // the texts use the system's decimal symbol
        {45.0, {45, 44, 40, 0, 0, 0}, 2, true},     // the trail has not caught up
        {45.0, {45, 45, 45, 0, 0, 0}, 2, false},    // entries beyond the trail length do not count
        {45.0, {45, 44, 40, 0, 0, 0}, -1, false},   // no trail: index 0 compared with itself
        {45.0, {45, 45, 45, 45, 45, 40}, 9, true},  // too long: the last entry of the history
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shown << " trail " << c.trail);
        FakeMeter m;
        m.app.CurrentValue = 45;
        m.app.settingsFile.decimalSymbol = c.symbol;
        m.app.ShownValue = c.shown;
        m.app.ZanzoHistory = c.history;
        m.app.settings.Zanzo_max = c.trail;
        EXPECT_EQ(NeedleNeedsRedraw(m.app), c.redraw);
    }
}

// One tick lands on 45, three more pull the trail in behind it, then the dial rests.
TEST(SampleTick, IdleTickDrawsNothingAndRestingTrailShrinksIntoTheNeedle) {
    FakeMeter m;
    m.host.memory = {1000, 550, 1000, 1000};
    m.app.settings.Needle = MeterMode::Mem;
    m.app.settings.Move_quantity = 1;
    m.app.settings.Zanzo_view = 1;
    m.app.settings.Zanzo_max = 3;
    int redrawingTicks = 0;
    for (int tick = 0; tick < 10; ++tick) {
        const int before = m.host.DrawCalls();
        OnTimer(m.app, TimerId::Sample);
        redrawingTicks += m.host.DrawCalls() != before ? 1 : 0;
    }
    EXPECT_EQ(redrawingTicks, 4);
    EXPECT_EQ(m.app.ZanzoHistory, (std::array<double, 6>{45, 45, 45, 45, 0, 0}));
}

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
    m.app.meter.readoutLabel.text = "old";
    m.app.settings.Zanzo_view = 1;
    MoveNeedle(m.app, 45);
    EXPECT_EQ(m.app.meter.readoutLabel.text, "old");
    m.app.settings.Label_view = 1;
    m.app.settings.Zanzo_view = 0;
    m.app.settingsFile.decimalSymbol = ",";
    MoveNeedle(m.app, 45);
    EXPECT_EQ(m.app.meter.readoutLabel.text, "16,2%");
    EXPECT_EQ(m.app.ZanzoHistory, (std::array<double, 6>{9, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace dorv
