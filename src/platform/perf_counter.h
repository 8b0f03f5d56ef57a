#pragma once
// The NT performance counter of processor 0's busy time.

namespace dorv {

class PerfCounter {
public:
    virtual ~PerfCounter() = default;

    // Opens the query and adds the counter; failures leave the reading at 0.
    virtual void OpenProcessorQuery(const char* counterPath) = 0;
    // Collects a sample and returns the busy percentage since the previous one (0 on the first).
    virtual double CollectProcessorBusy() = 0;
    virtual void CloseProcessorQuery() = 0;
};

}  // namespace dorv
