#pragma once
// What the fuzz targets share: the keys the program reads and writes, and a switch for the properties that a
// known fault still breaks, so the short runs of the test suite stay quiet about it.
#include <cstdlib>
#include <cstring>

#include "settings/settings_table.h"

namespace dorv::fuzz {

// DORVANIX_FUZZ_SKIP_KNOWN=1 leaves out inputs that only reproduce a fault known and being mended elsewhere.
inline bool SkipKnownFaults() {
    const char* value = std::getenv("DORVANIX_FUZZ_SKIP_KNOWN");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

}  // namespace dorv::fuzz
