#include <gtest/gtest.h>

#include "app/sample_tick.h"
#include "fake_host.h"
#include "metrics/processor_times.h"

namespace dorv {
namespace {

constexpr char kStart[] = "DynData\\PerfStats\\StartStat";
constexpr char kData[] = "DynData\\PerfStats\\StatData";
constexpr char kStop[] = "DynData\\PerfStats\\StopStat";

std::string Value(const char* key) {
    return std::string(key) + "\\KERNEL\\CPUUsage";
}

std::string Bytes(std::int32_t value) {
    std::string bytes(sizeof value, '\0');
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

// A meter of the older family in Cpu mode.
TEST(CpuStatistic, StartsReadsEachTickAndStopsThroughTheDynamicRegistry) {
    test::FakeMeter m;
    m.host.version = {true, 1, 4, 10};
    m.host.registryValues = {{Value(kStart), Bytes(3)}, {Value(kData), Bytes(21)}, {Value(kStop), Bytes(0)}};
    RunEntryProcedure(m.app);
    EXPECT_EQ(m.app.CurrentValue, 3);  // reading StartStat lands in the value
    SampleTick(m.app);
    m.host.registryValues[Value(kData)] = Bytes(57);
    SampleTick(m.app);
    EXPECT_EQ(m.app.CurrentValue, 57);
    OnMeterCloseRequest(m.app);
    const std::string read = "read " + Value(kData) + ";";
    EXPECT_EQ(test::Joined(m.host.registryLog), std::string("open ") + kStart + ";size " + Value(kStart) + ";read " +
                                                    Value(kStart) + ";close " + kStart + ";open " + kData + ";size " +
                                                    Value(kData) + ";" + read + read + "close " + kData + ";open " +
                                                    kStop + ";close " + kStop + ";");
    EXPECT_TRUE(test::Starting(m.host.log, "open query").empty() && test::Starting(m.host.log, "close query").empty());
}

TEST(ProcessorTimes, BusyPercentOverTheIntervalAndZeroWithoutOne) {
    constexpr std::uint64_t kHuge = 1ull << 62;  // far past what a double holds to the unit
    struct Case {
        const char* name;
        ProcessorTimes previous, current;
        double busy;
    } cases[] = {
        {"half", {100, 200, 300}, {600, 900, 600}, 50},
        {"no time passed", {7, 9, 11}, {7, 9, 11}, 0},
        {"kernel went back", {500, 500, 500}, {500, 400, 900}, 0},
        {"user went back", {500, 500, 500}, {500, 900, 400}, 0},
        {"idle beyond the interval", {0, 0, 0}, {900, 500, 100}, 0},
        {"kernel includes idle, large counters", {kHuge, kHuge, kHuge}, {kHuge + 250, kHuge + 500, kHuge + 500}, 75},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(BusyPercent(c.previous, c.current), c.busy) << c.name;

    ProcessorTimesSeries series;  // busy history before the first reading, or before a reset, does not count
    EXPECT_DOUBLE_EQ(series.Next({100, 100, 900}), 0);
    EXPECT_DOUBLE_EQ(series.Next({150, 200, 1000}), 75);
    series.Reset();
    EXPECT_DOUBLE_EQ(series.Next({250, 300, 5000}), 0);
    EXPECT_DOUBLE_EQ(series.Next({250, 300, 5100}), 100);
}

}  // namespace
}  // namespace dorv
