#pragma once
// Processor 0's busy share from its accumulated idle, kernel and user times, for hosts without a counter for it.
#include <cstdint>

namespace dorv {

// Accumulated times in any one unit (100 ns on NT); kernel time includes the idle time.
struct ProcessorTimes {
    std::uint64_t idle = 0;
    std::uint64_t kernel = 0;
    std::uint64_t user = 0;
};

// Busy percentage (0..100) over the interval between two readings; 0 when no time passed or a time went back.
double BusyPercent(const ProcessorTimes& previous, const ProcessorTimes& current);

// Successive readings with the counter's contract: 0 on the first, then the share since the one before.
class ProcessorTimesSeries {
public:
    double Next(const ProcessorTimes& current);
    void Reset() { hasPrevious_ = false; }

private:
    ProcessorTimes previous_;
    bool hasPrevious_ = false;
};

}  // namespace dorv
