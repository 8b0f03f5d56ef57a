#pragma once
// Processor 0's busy share from its accumulated idle, kernel and user times, as the host reads them.
#include <optional>

#include "platform/perf_counter.h"

namespace dorv {

// Busy percentage (0..100) over the interval between two readings; 0 when no time passed or a time went back.
double BusyPercent(const ProcessorTimes& previous, const ProcessorTimes& current);

// Successive readings with the counter's contract: 0 on the first, then the share since the one before.
struct ProcessorTimesSeries {
    double Next(const ProcessorTimes& current);
    void Reset() { previous.reset(); }

    std::optional<ProcessorTimes> previous;  // none before the first reading
};

}  // namespace dorv
