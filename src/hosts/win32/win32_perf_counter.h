#pragma once
// Processor 0's times: the raw values of a PDH query where the system has the counter, the system's own record of
// them otherwise.
#include <windows.h>

#include "platform/perf_counter.h"
#include "win32_handles.h"

namespace dorv {

class Win32PerfCounter final : public PerfCounter {
public:
    Win32PerfCounter() = default;
    ~Win32PerfCounter() override { CloseProcessorQuery(); }
    Win32PerfCounter(const Win32PerfCounter&) = delete;
    Win32PerfCounter& operator=(const Win32PerfCounter&) = delete;

    void OpenProcessorQuery(const char* counterPath) override;
    std::optional<ProcessorTimes> CollectProcessorTimes() override;
    void CloseProcessorQuery() override;
    // True while the open query reads processor 0's times because PDH has no counter for it (as under Wine).
    bool ReadsProcessorTimes() const { return readsTimes_; }

private:
    // Loaded from the system folder at the first open; freed after the query (declared first, destroyed last).
    ModuleOwner pdh_;
    // The query's one release point is CloseProcessorQuery, which needs the library's close call.
    void* query_ = nullptr;
    void* counter_ = nullptr;
    // Without the counter: processor 0's times from ntdll, which every process has mapped (nothing to free).
    bool readsTimes_ = false;
};

}  // namespace dorv
