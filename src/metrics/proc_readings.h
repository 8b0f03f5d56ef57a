#pragma once
// Linux's readings as the kernel prints them: processor 0 from /proc/stat and the memory status from
// /proc/meminfo. The host reads the text; these turn it into the records the core already computes with.
#include <optional>
#include <string_view>

#include "platform/perf_counter.h"
#include "platform/system_status.h"

namespace dorv {

// The `cpu0` line's times in clock ticks, mapped so that BusyPercent gives (total - idle - iowait) / total over
// an interval; nothing without a `cpu0` line of at least four numbers.
std::optional<ProcessorTimes> ProcessorZeroFromProcStat(std::string_view text);

// Memory in bytes: the physical load is (MemTotal - MemAvailable) / MemTotal and the page-file load
// (MemTotal - MemAvailable + SwapTotal - SwapFree) / (MemTotal + SwapTotal). A kernel without MemAvailable counts
// MemFree + Buffers + Cached as available; without MemTotal all is 0. The process's address space is not in it.
MemoryStatus MemoryStatusFromProcMeminfo(std::string_view text);

}  // namespace dorv
