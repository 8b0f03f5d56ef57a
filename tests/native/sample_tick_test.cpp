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
    FakeMeter m;
    m.host.memory = {1000, 250, 1000, 600};
    m.app.settings.Move_quantity = 1;
    m.app.settings.Needle = MeterMode::Mem;
    SampleTick(m.app);
    EXPECT_EQ(m.app.CurrentValue, 75);
    EXPECT_DOUBLE_EQ(m.app.ShownValue, 75);
    m.app.settings.Needle = MeterMode::VMem;
    SampleTick(m.app);
    EXPECT_EQ(m.app.CurrentValue, 40);
    EXPECT_DOUBLE_EQ(m.app.ShownValue, 40);
}

TEST(SampleTick, CpuReadingsRoundHalvesToEven) {
    FakeMeter m;
    m.app.cpu.open = true;
    m.app.settings.Needle = MeterMode::Cpu;
    struct Case {
        double reading;
        std::int32_t value;
    } cases[] = {{0, 0}, {99.5, 100}, {100.0, 100}, {0.5, 0}, {12.5, 12}, {13.5, 14}, {150.2, 150}};
    for (const Case& c : cases) {
        m.host.cpuReadings.push_back(c.reading);
        SampleTick(m.app);
        EXPECT_EQ(m.app.CurrentValue, c.value) << c.reading;
    }
}

TEST(SampleTick, OlderSystemFamilyKeepsThePreviousCpuValue) {
    FakeMeter m;
    m.host.version = {true, 1, 4, 10};
    m.app.cpu.open = true;
    m.app.settings.Needle = MeterMode::Cpu;
    m.app.CurrentValue = 37;
    m.host.cpuReadings.push_back(80);
    SampleTick(m.app);
    EXPECT_EQ(m.app.CurrentValue, 37);
    EXPECT_EQ(m.host.cpuReadings.size(), 1u);
}

TEST(SampleTick, ModesOutsideTheFourDoNothing) {
    FakeMeter m;
    m.host.memory = {1000, 0, 1000, 0};
    m.app.settings.Needle = 7;
    m.app.CurrentValue = 12;
    SampleTick(m.app);
    EXPECT_EQ(m.app.CurrentValue, 12);
    EXPECT_DOUBLE_EQ(m.app.ShownValue, 0);
    EXPECT_EQ(m.host.DrawCalls(), 0);
}

TEST(SampleTick, RedrawsOnlyWhileTheTextsDifferOrTheTrailLags) {
    FakeMeter m;
    m.app.settings.Needle = MeterMode::Mem;
    m.app.CurrentValue = 45;
    struct Case {
        double shown;
        std::array<double, 6> history;
        std::int16_t trail;
        bool redraw;
    } cases[] = {
        {45.0, {}, 2, false},
        {44.96, {}, 2, false},  // "45.0" either way: arrived
        {44.94, {}, 2, true},
        {45.04, {}, 2, false},
        {45.06, {}, 2, true},
        {45.0, {45, 44, 40, 0, 0, 0}, 2, true},   // the trail has not caught up
        {45.0, {45, 45, 45, 0, 0, 0}, 2, false},  // entries beyond the trail length do not count
        {45.0, {45, 44, 40, 0, 0, 0}, 0, false},  // no trail: index 0 compared with itself
        {45.0, {45, 44, 40, 0, 0, 0}, -1, false},
        {45.0, {45, 45, 45, 45, 45, 40}, 9, true},  // too long: the last entry of the history
    };
    for (const Case& c : cases) {
        m.app.ShownValue = c.shown;
        m.app.ZanzoHistory = c.history;
        m.app.settings.Zanzo_max = c.trail;
        EXPECT_EQ(NeedleNeedsRedraw(m.app), c.redraw) << c.shown << " trail " << c.trail;
    }
}

TEST(SampleTick, DecisionUsesTheSystemDecimalSymbol) {
    FakeMeter m;
    m.app.settingsFile.decimalSymbol = ",";
    m.app.CurrentValue = 45;
    m.app.ShownValue = 44.96;
    EXPECT_FALSE(NeedleNeedsRedraw(m.app));
    m.app.ShownValue = 44.9;
    EXPECT_TRUE(NeedleNeedsRedraw(m.app));
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

TEST(SampleTick, ClockModeShowsTheTimeOncePerSecond) {
    FakeMeter m;
    m.app.settings.Needle = MeterMode::Clock;
    m.app.ShownValue = 33;
    m.host.time = {9, 5, 7};
    SampleTick(m.app);
    EXPECT_EQ(m.app.meter.Label1.text, "09:05.07");
    int redraws = m.host.DrawCalls();
    SampleTick(m.app);
    EXPECT_EQ(m.host.DrawCalls(), redraws);
    m.app.meter.Label1.text = "45.0%";  // a readout left from another mode
    SampleTick(m.app);
    EXPECT_GT(m.host.DrawCalls(), redraws);
    m.host.time = {23, 59, 59};
    SampleTick(m.app);
    EXPECT_EQ(m.app.meter.Label1.text, "23:59.59");
    EXPECT_DOUBLE_EQ(m.app.ShownValue, 33);
}

}  // namespace
}  // namespace dorv
