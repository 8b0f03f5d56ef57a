#pragma once
// The CPU usage of processor 0, opened at the meter's load, read once per Cpu tick, closed at unload. The NT
// family reads a performance counter; the older family reads the kernel's statistic from the dynamic registry.
// Callers choose the family at every use.
#include <cstdint>

#include "metrics/processor_times.h"
#include "platform/platform.h"

namespace dorv {

inline constexpr const char* kProcessorTimeCounter = "\\Processor(0)\\% Processor Time";
inline constexpr const char* kStartStatKey = "PerfStats\\StartStat";
inline constexpr const char* kStatDataKey = "PerfStats\\StatData";
inline constexpr const char* kStopStatKey = "PerfStats\\StopStat";
inline constexpr const char* kCpuUsageValue = "KERNEL\\CPUUsage";

struct CpuCounter {
    bool open = false;               // NT: the query is open
    ProcessorTimesSeries times{};    // NT: the readings the percentage is computed from
    RegistryKey statData = nullptr;  // older family: owned from the start at load to the stop at unload
    std::uint32_t statDataSize = 0;  // the statistic's size as reported at the start
};

// NT family.
void OpenCpuCounter(Platform& platform, CpuCounter& counter);
// Busy percentage since the previous reading; 0 on the first, and while the host has no reading.
double ReadCpuCounter(Platform& platform, CpuCounter& counter);
double ReadCpuCounter(PerfCounter& perf, CpuCounter& counter);
void CloseCpuCounter(Platform& platform, CpuCounter& counter);

// Older family. The statistic is read straight into the meter's value, whole percent; a read that fails
// leaves the value as it was.
void StartCpuStatistic(Platform& platform, CpuCounter& counter, std::int32_t& value);
void ReadCpuStatistic(Platform& platform, CpuCounter& counter, std::int32_t& value);
void StopCpuStatistic(Platform& platform, CpuCounter& counter);

}  // namespace dorv
