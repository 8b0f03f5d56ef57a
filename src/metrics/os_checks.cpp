#include "metrics/os_checks.h"

#include <cstdint>

namespace dorv {

bool IsWinNT(OsVersion& os) {
    OsVersionInfo info = os.QueryVersion();
    return info.ok && info.platformId == 2;
}

bool IsVistaOrLater(OsVersion& os) {
    OsVersionInfo info = os.QueryVersion();
    // The version record's fields are compared as signed numbers.
    return info.ok && static_cast<std::int32_t>(info.majorVersion) >= 6;
}

bool IsWin2000OrXP(OsVersion& os) {
    OsVersionInfo info = os.QueryVersion();
    return info.ok && info.majorVersion == 5;
}

}  // namespace dorv
