#pragma once
// Processor 0's accumulated times, from the NT performance counter or the system's own record of them; the core
// turns two readings into the busy percentage between them.
#include <cstdint>
#include <optional>

namespace dorv {

// Accumulated times in any one unit (100 ns on NT); kernel time includes the idle time.
struct ProcessorTimes {
    std::uint64_t idle = 0;
    std::uint64_t kernel = 0;
    std::uint64_t user = 0;
};

class PerfCounter {
public:
    virtual ~PerfCounter() = default;

    // Opens the query and adds the counter; failures leave it without readings.
    virtual void OpenProcessorQuery(const char* counterPath) = 0;
    // Collects a sample: processor 0's times now, or none when the query has no reading.
    virtual std::optional<ProcessorTimes> CollectProcessorTimes() = 0;
    virtual void CloseProcessorQuery() = 0;
};

}  // namespace dorv
