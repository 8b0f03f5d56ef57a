#include "metrics/cpu_counter.h"

namespace dorv {

void OpenCpuCounter(Platform& platform, CpuCounter& counter) {
    platform.perf.OpenProcessorQuery(kProcessorTimeCounter);
    counter.open = true;
}

double ReadCpuCounter(Platform& platform, CpuCounter& counter) {
    if (!counter.open)
        return 0.0;
    return platform.perf.CollectProcessorBusy();
}

void CloseCpuCounter(Platform& platform, CpuCounter& counter) {
    if (!counter.open)
        return;
    platform.perf.CloseProcessorQuery();
    counter.open = false;
}

}  // namespace dorv
