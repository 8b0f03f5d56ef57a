#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "metrics/memory_load.h"
#include "metrics/proc_readings.h"
#include "metrics/processor_times.h"

namespace dorv {
namespace {

// Processor 0's busy share between two /proc/stat texts; -1 when either gives no reading.
TEST(ProcReadings, ProcessorZeroIsBusyForAllButIdleAndIowait) {
    const struct {
        const char* what;
        const char* before;
        const char* after;
        double busy;
    } cases[] = {
        {"guest time is already in user time",  // 110 of 230 ticks
         "cpu  9 9 9 9 9 9 9 9 9 9\ncpu0 100 10 50 800 40 5 5 0 30 0\ncpu1 1 1 1 1\n",
         "cpu  9 9 9 9 9 9 9 9 9 9\ncpu0 160 20 70 900 60 10 10 10 50 5\ncpu1 2 2 2 2\n", 100.0 * 110 / 230},
        {"an old kernel's four numbers", "cpu0 100 0 100 800", "cpu0 150 0 150 900", 50.0},
        {"cpu10 first, blanks, tabs and CR LF", "cpu10 0 0 0 0\r\ncpu0  10\t0  10 80 0 0 0 0\r\n",
         "cpu10 9 9 9 9\r\ncpu0  40\t0  10 130 20 0 0 0\r\n", 30.0},
        {"no cpu0 line", "cpu 1 2 3 4\ncpu1 1 2 3 4\n", "cpu 1 2 3 4\ncpu1 1 2 3 4\n", -1},
        {"too few numbers", "cpu0 1 2 3\n", "cpu0 1 2 3\n", -1},
        {"not a number", "cpu0 1 2 x 4\n", "cpu0 1 2 x 4\n", -1},
        {"beyond 64 bits", "cpu0 1 2 3 99999999999999999999\n", "cpu0 1 2 3 99999999999999999999\n", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<ProcessorTimes> before = ProcessorZeroFromProcStat(c.before);
        const std::optional<ProcessorTimes> after = ProcessorZeroFromProcStat(c.after);
        EXPECT_DOUBLE_EQ(before && after ? BusyPercent(*before, *after) : -1.0, c.busy);
    }
}

// The dial's two memory loads from /proc/meminfo.
TEST(ProcReadings, MemoryLoadsCountSwapOnlyInThePageFileLoad) {
    const struct {
        const char* what;
        const char* text;
        int physical;
        int pageFile;
    } cases[] = {
        {"a real sample",
         "MemTotal:       16000000 kB\nMemFree:         2000000 kB\nMemAvailable:    8000000 kB\n"
         "Buffers:          600000 kB\nCached:          3300000 kB\nSwapTotal:       4000000 kB\n"
         "SwapFree:        1600000 kB\nHugePages_Total:       0\n",
         50, 52},
        {"no MemAvailable: free, buffers and cache",
         "MemTotal: 16000000 kB\nMemFree: 2000000 kB\nBuffers: 600000 kB\nCached: 3300000 kB\n"
         "SwapTotal: 4000000 kB\nSwapFree: 1700000 kB\n",
         63, 62},
        {"odd blanks, CR LF, any order, no swap",
         "SwapTotal:\t0 kB\r\n  MemAvailable:   250 kB\r\nMemTotal:1000 kB\r\n", 75, 75},
        {"no MemTotal", "MemFree: 5 kB\nMemAvailable: 5 kB\nSwapTotal: 10 kB\nSwapFree: 0 kB\n", 0, 0},
        {"16 EiB does not wrap", "MemTotal: 18014398509481984 kB\nMemAvailable: 9007199254740992 kB\n", 50, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const MemoryStatus status = MemoryStatusFromProcMeminfo(c.text);
        EXPECT_EQ(PhysicalMemoryLoad(status), c.physical);
        EXPECT_EQ(PageFileLoad(status), c.pageFile);
    }
}

}  // namespace
}  // namespace dorv
