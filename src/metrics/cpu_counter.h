#pragma once
// The CPU usage of processor 0: opened at the meter's load, read once per Cpu tick, closed at unload.
#include "platform/platform.h"

namespace dorv {

inline constexpr const char* kProcessorTimeCounter = "\\Processor(0)\\% Processor Time";

struct CpuCounter {
    bool open = false;
};

void OpenCpuCounter(Platform& platform, CpuCounter& counter);
// Busy percentage since the previous reading; 0 on the first.
double ReadCpuCounter(Platform& platform, CpuCounter& counter);
void CloseCpuCounter(Platform& platform, CpuCounter& counter);

}  // namespace dorv
