// The host's processor 0 counter against real load: a thread pinned to one processor spins while the counter
// is read, so a reading of the whole machine instead of processor 0 would show.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "metrics/cpu_counter.h"
#include "metrics/processor_times.h"
#include "platform/win32/win32_perf_counter.h"
#include "wine_dial_fixture.h"

namespace dorv {
namespace {

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::uint64_t Ticks(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The whole machine's times, summed over its processors.
ProcessorTimes MachineTimes() {
    FILETIME idle{}, kernel{}, user{};
    GetSystemTimes(&idle, &kernel, &user);
    return {Ticks(idle), Ticks(kernel), Ticks(user)};
}

struct Interval {
    double processor0;   // the host's reading
    double machineLoad;  // busy processors in percent of one (200 = two busy processors)
};

// About a second with a thread spinning on the mask's processors.
Interval SpinFor(Win32PerfCounter& counter, DWORD_PTR mask) {
    Spinner spinner(mask);
    EXPECT_TRUE(spinner.Running());
    Sleep(100);  // let the spinner settle on its processor before the interval starts
    counter.CollectProcessorBusy();
    ProcessorTimes before = MachineTimes();
    Sleep(1000);
    double processor0 = counter.CollectProcessorBusy();
    return {processor0, BusyPercent(before, MachineTimes()) * ProcessorCount()};
}

TEST(CpuCounter, ReadsZeroFirstThenTheLoadOnProcessorZero) {
    Win32PerfCounter counter;
    counter.OpenProcessorQuery(kProcessorTimeCounter);
    // Wine's PDH has no counter for a single processor, so the times from ntdll are what runs there.
    if (UnderWine()) {
        EXPECT_TRUE(counter.ReadsProcessorTimes());
    }
    EXPECT_DOUBLE_EQ(counter.CollectProcessorBusy(), 0.0);  // no predecessor yet
    // Other work can only add to processor 0's load, so one interval tells.
    double busy = SpinFor(counter, 1).processor0;
    EXPECT_GT(busy, 50);
    EXPECT_LE(busy, 100);
    counter.CloseProcessorQuery();
    EXPECT_FALSE(counter.ReadsProcessorTimes());
    EXPECT_DOUBLE_EQ(counter.CollectProcessorBusy(), 0.0);  // closed
}

TEST(CpuCounter, IgnoresTheLoadOnOtherProcessors) {
    if (ProcessorCount() < 2)
        GTEST_SKIP() << "one processor: no other one to load";
    Win32PerfCounter counter;
    counter.OpenProcessorQuery(kProcessorTimeCounter);
    counter.CollectProcessorBusy();
    // The spinner keeps processor 1 wholly busy, so processor 0 carries at most the machine's load beyond it
    // (other programs move over there). That bound must stay below the whole machine's share, which a reading of
    // all processors would give; when other work pushes the two together, another interval is tried.
    constexpr double kTolerance = 15;
    for (int attempt = 0; attempt < 5; ++attempt) {
        Interval interval = SpinFor(counter, 2);
        double bound = interval.machineLoad - 100 + kTolerance;
        double wholeMachine = interval.machineLoad / ProcessorCount();
        if (bound >= wholeMachine)
            continue;
        EXPECT_LT(interval.processor0, bound) << "machine load " << interval.machineLoad;
        return;
    }
    GTEST_SKIP() << "the machine stayed too busy to tell processor 0 from all of them";
}

}  // namespace
}  // namespace dorv
