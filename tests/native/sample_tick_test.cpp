#include <gtest/gtest.h>

#include "app/meter_events.h"
#include "app/sample_tick.h"
#include "fake_host.h"
#include "metrics/memory_load.h"

namespace dorv {
namespace {

using test::FakeMeter;

constexpr std::uint64_t kGiB = 1024ull * 1024 * 1024;

TEST(MemoryLoad, RatiosRoundHalvesToEvenAndSurviveLargeMachines) {
    struct Case {
        MemoryStatus status;
        std::int32_t phys, page;
    } cases[] = {
        {{1000, 5, 1000, 1000}, 100, 0},  // 99.5 -> 100
        {{1000, 15, 200, 100}, 98, 50},   // 98.5 -> 98
        {{1000, 1000, 0, 0}, 0, 0},       // no page file
        {{64 * kGiB, 16 * kGiB, 96 * kGiB, 72 * kGiB}, 75, 25},
        {{3 * kGiB, kGiB, 5 * kGiB, 0}, 67, 100},  // beyond the signed 32-bit range
        {{0, 0, 0, 0}, 0, 0},
        {{1000, 1001, 1, ~0ull}, 0, 0},  // more available than in total: no load, not a negative one
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PhysicalMemoryLoad(c.status), c.phys) << c.status.totalPhys;
        EXPECT_EQ(PageFileLoad(c.status), c.page) << c.status.totalPageFile;
    }
}

TEST(SampleTick, SamplesTheQuantityOfTheMode) {
    struct Case {
        int mode;
        double cpuReading;
        std::int32_t value;
    } cases[] = {
        {MeterMode::Mem, 0, 75},    {MeterMode::VMem, 0, 40},     {MeterMode::Cpu, 12.5, 12},  // halves to even
        {MeterMode::Cpu, 13.5, 14}, {MeterMode::Cpu, 150.2, 150}, {7, 50, 12},  // outside the four: nothing
    };
    for (const Case& c : cases) {
        FakeMeter m;
        m.host.memory = {1000, 250, 1000, 600};
        m.host.cpuReadings.push_back(c.cpuReading);
        m.app.cpu.open = true;
        m.app.settings.Move_quantity = 1;
        m.app.settings.Needle = c.mode;
        m.app.CurrentValue = 12;
        SampleTick(m.app);
        EXPECT_EQ(m.app.CurrentValue, c.value) << c.mode << " " << c.cpuReading;
        EXPECT_DOUBLE_EQ(m.app.ShownValue, c.mode == 7 ? 0 : c.value);
        EXPECT_EQ(m.host.DrawCalls() == 0, c.mode == 7);
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
        {45.0, {}, 2, false},
        {44.96, {}, 2, false},  // "45.0" either way: arrived
        {44.94, {}, 2, true},
        {45.04, {}, 2, false},
        {45.06, {}, 2, true},
        {44.96, {}, 2, false, ","},  // the texts use the system's decimal symbol
        {44.9, {}, 2, true, ","},
        {45.0, {45, 44, 40, 0, 0, 0}, 2, true},   // the trail has not caught up
        {45.0, {45, 45, 45, 0, 0, 0}, 2, false},  // entries beyond the trail length do not count
        {45.0, {45, 44, 40, 0, 0, 0}, 0, false},  // no trail: index 0 compared with itself
        {45.0, {45, 44, 40, 0, 0, 0}, -1, false},
        {45.0, {45, 45, 45, 45, 45, 40}, 9, true},  // too long: the last entry of the history
    };
    for (const Case& c : cases) {
        FakeMeter m;
        m.app.CurrentValue = 45;
        m.app.settingsFile.decimalSymbol = c.symbol;
        m.app.ShownValue = c.shown;
        m.app.ZanzoHistory = c.history;
        m.app.settings.Zanzo_max = c.trail;
        EXPECT_EQ(NeedleNeedsRedraw(m.app), c.redraw) << c.shown << " trail " << c.trail;
    }
}

TEST(SampleTick, IdleTickDrawsNothingAndRestingTrailShrinksIntoTheNeedle) {
    FakeMeter m;
    m.host.memory = {1000, 550, 1000, 1000};
    m.app.settings.Needle = MeterMode::Mem;
    m.app.settings.Move_quantity = 1;
    m.app.settings.Zanzo_view = 1;
    m.app.settings.Zanzo_max = 3;
    int redrawingTicks = 0;
    for (int tick = 0; tick < 10; ++tick) {
        int before = m.host.DrawCalls();
        OnMeterTimer(m.app, TimerId::Timer1);
        redrawingTicks += m.host.DrawCalls() != before ? 1 : 0;
    }
    // One tick lands on 45, three more pull the trail in behind it, then the dial rests.
    EXPECT_EQ(redrawingTicks, 4);
    EXPECT_EQ(m.app.ZanzoHistory, (std::array<double, 6>{45, 45, 45, 45, 0, 0}));
}

TEST(SampleTick, ClockModeDrawsTheTimeAndLeavesTheNeedleValue) {
    FakeMeter m;
    m.app.settings.Needle = MeterMode::Clock;
    m.app.ShownValue = 33;
    m.host.time = {23, 59, 59};
    SampleTick(m.app);
    EXPECT_EQ(m.app.meter.Label1.text, "23:59.59");
    EXPECT_DOUBLE_EQ(m.app.ShownValue, 33);
}

}  // namespace
}  // namespace dorv
