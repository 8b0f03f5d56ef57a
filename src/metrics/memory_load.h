#pragma once
// Physical and page-file load in whole percent from the memory status.
#include <cstdint>

#include "platform/system_status.h"

namespace dorv {

std::int32_t PhysicalMemoryLoad(const MemoryStatus& status);
// 0 when the system has no page file.
std::int32_t PageFileLoad(const MemoryStatus& status);

}  // namespace dorv
