#pragma once
// The operating system's version record.
#include <cstdint>

namespace dorv {

struct OsVersionInfo {
    bool ok = false;               // false when the host could not tell
    std::uint32_t platformId = 0;  // 1 = Win9x family, 2 = NT family
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
};

class OsVersion {
public:
    virtual ~OsVersion() = default;
    virtual OsVersionInfo QueryVersion() = 0;
};

}  // namespace dorv
