#pragma once
// What the operating system offers the dial. The core asks these questions, never a version number; each host
// answers for its own system (Windows from its version record, below).
#include <cstdint>

namespace dorv {

// Where processor 0's busy share comes from.
enum class CpuSource : std::uint8_t {
    ProcessorTimes,   // PerfCounter readings of accumulated times (the NT family, /proc/stat)
    KernelStatistic,  // the Win9x family's dynamic statistic, through Registry
};

struct Capabilities {
    bool translucency = false;  // the dial may be made layered with an alpha
    bool pageFileMode = false;  // the virtual-memory mode is offered (menu item, option button, about box lines)
    CpuSource cpu = CpuSource::KernelStatistic;
};

class OsVersion {
public:
    virtual ~OsVersion() = default;
    virtual Capabilities QueryCapabilities() = 0;
};

// Windows' version record.
struct OsVersionInfo {
    bool ok = false;               // false when the host could not tell
    std::uint32_t platformId = 0;  // 1 = Win9x family, 2 = NT family
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
};

// Windows' answers from its version: the counter on the NT family (an unknown version takes the older family's
// statistic), translucency on 2000 and XP only, the page-file mode before version 6 (the record's fields compare as
// signed numbers).
inline Capabilities WindowsCapabilities(const OsVersionInfo& v) {
    Capabilities c;
    c.cpu = v.ok && v.platformId == 2 ? CpuSource::ProcessorTimes : CpuSource::KernelStatistic;
    c.translucency = v.ok && v.majorVersion == 5;
    c.pageFileMode = !(v.ok && static_cast<std::int32_t>(v.majorVersion) >= 6);
    return c;
}

}  // namespace dorv
