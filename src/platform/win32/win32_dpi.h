#pragma once
// Dots per inch per monitor where the system can tell (Windows 10 1607 on), else the system-wide value
// every system reports. The newer calls are looked up at run time, so the program starts anywhere.
#include <windows.h>

namespace dorv {

// The dpi of the window's monitor; for no window, the system's (where a new window appears).
int DpiOf(HWND window);
// The small-icon side (SM_CXSMICON) at a dpi.
int SmallIconSize(int dpi);

}  // namespace dorv
