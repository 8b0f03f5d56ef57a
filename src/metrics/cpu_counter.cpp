#include "metrics/cpu_counter.h"

#include <algorithm>

namespace dorv {
namespace {

// The size the registry reports for the value, 0 when it has none.
std::uint32_t ValueSize(Registry& registry, RegistryKey key) {
    std::uint32_t size = 0;
    registry.QueryValue(key, kCpuUsageValue, nullptr, size);
    return size;
}

// Reads at most the value's four bytes whatever size the registry reported, and only a read that succeeded
// lands in the value (the registry leaves a too-small buffer undefined).
void ReadValue(Registry& registry, RegistryKey key, std::uint32_t size, std::int32_t& value) {
    std::int32_t buffer = value;
    std::uint32_t bytes = std::min(size, static_cast<std::uint32_t>(sizeof buffer));
    if (registry.QueryValue(key, kCpuUsageValue, &buffer, bytes))
        value = buffer;
}

}  // namespace

void OpenCpuCounter(Platform& platform, CpuCounter& counter) {
    platform.perf.OpenProcessorQuery(kProcessorTimeCounter);
    counter.open = true;
    counter.times.Reset();
}

double ReadCpuCounter(Platform& platform, CpuCounter& counter) {
    return ReadCpuCounter(platform.perf, counter);
}

double ReadCpuCounter(PerfCounter& perf, CpuCounter& counter) {
    if (!counter.open)
        return 0.0;
    const std::optional<ProcessorTimes> times = perf.CollectProcessorTimes();
    return times ? counter.times.Next(*times) : 0.0;
}

void CloseCpuCounter(Platform& platform, CpuCounter& counter) {
    if (!counter.open)
        return;
    platform.perf.CloseProcessorQuery();
    counter.open = false;
    counter.times.Reset();
}

void StartCpuStatistic(Platform& platform, CpuCounter& counter, std::int32_t& value) {
    Registry& registry = platform.registry;
    // Reading the value under StartStat is what starts the statistic.
    if (RegistryKey start = registry.OpenKey(RegistryRoot::DynData, kStartStatKey)) {
        ReadValue(registry, start, ValueSize(registry, start), value);
        registry.CloseKey(start);
    }
    counter.statData = registry.OpenKey(RegistryRoot::DynData, kStatDataKey);
    counter.statDataSize = counter.statData ? ValueSize(registry, counter.statData) : 0;
}

void ReadCpuStatistic(Platform& platform, CpuCounter& counter, std::int32_t& value) {
    if (counter.statData)
        ReadValue(platform.registry, counter.statData, counter.statDataSize, value);
}

void StopCpuStatistic(Platform& platform, CpuCounter& counter) {
    Registry& registry = platform.registry;
    if (counter.statData)
        registry.CloseKey(counter.statData);
    counter.statData = nullptr;
    counter.statDataSize = 0;
    // Opening StopStat is what stops the statistic; nothing is read there.
    if (RegistryKey stop = registry.OpenKey(RegistryRoot::DynData, kStopStatKey))
        registry.CloseKey(stop);
}

}  // namespace dorv
