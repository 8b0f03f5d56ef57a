#pragma once
// Clock, memory status and the regional number symbols.
#include <cstdint>
#include <string>

namespace dorv {

struct MemoryStatus {
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availPageFile = 0;
    std::uint64_t totalVirtual = 0;  // the process's user address space
    std::uint64_t availVirtual = 0;
};

struct LocalTime {
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
};

class SystemStatus {
public:
    virtual ~SystemStatus() = default;

    virtual MemoryStatus QueryMemoryStatus() = 0;
    virtual LocalTime CurrentLocalTime() = 0;
    // A time of day in the user's default time format (e.g. "21:05:07").
    virtual std::string FormatTimeOfDay(const LocalTime& time) = 0;
    // The decimal separator of the user's regional settings ("." or "," usually).
    virtual std::string DecimalSymbol() = 0;
    // The digit-grouping separator of the user's regional settings ("," usually; may be empty).
    virtual std::string ThousandsSeparator() = 0;
    // Milliseconds since the system started, without the 49.7-day wrap of a 32-bit count.
    virtual std::uint64_t TickCount() = 0;
};

}  // namespace dorv
