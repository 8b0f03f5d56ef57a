#include "metrics/memory_load.h"

#include "settings/value_text.h"

namespace dorv {
namespace {

// More available than there is in total (a host's inconsistent reading) counts as no load; without the
// clamp a large excess would not even fit the result.
std::int32_t LoadPercent(std::uint64_t total, std::uint64_t available) {
    if (available >= total)
        return 0;
    double ratio = 1.0 - static_cast<double>(available) / static_cast<double>(total);
    return static_cast<std::int32_t>(RoundHalfEven(ratio * 100.0));
}

}  // namespace

std::int32_t PhysicalMemoryLoad(const MemoryStatus& status) {
    // A host that reports no memory at all would otherwise divide by zero.
    if (status.totalPhys == 0)
        return 0;
    return LoadPercent(status.totalPhys, status.availPhys);
}

std::int32_t PageFileLoad(const MemoryStatus& status) {
    if (status.totalPageFile == 0)
        return 0;
    return LoadPercent(status.totalPageFile, status.availPageFile);
}

}  // namespace dorv
