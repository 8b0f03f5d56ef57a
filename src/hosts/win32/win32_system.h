#pragma once
// The system's state the core reads: memory, clock, locale and what this version of Windows offers.
#include "platform/os_version.h"
#include "platform/system_status.h"

namespace dorv {

class Win32System final : public SystemStatus, public OsVersion {
public:
    MemoryStatus QueryMemoryStatus() override;
    LocalTime CurrentLocalTime() override;
    std::string FormatTimeOfDay(const LocalTime& time) override;
    std::string DecimalSymbol() override;
    std::string ThousandsSeparator() override;
    std::uint64_t TickCount() override;

    Capabilities QueryCapabilities() override;

private:
    static OsVersionInfo QueryVersion();
};

}  // namespace dorv
