#pragma once
// The three operating-system tests, answered from the host's version record.
#include "platform/os_version.h"

namespace dorv {

bool IsWinNT(OsVersion& os);
bool IsVistaOrLater(OsVersion& os);
bool IsWin2000OrXP(OsVersion& os);

}  // namespace dorv
