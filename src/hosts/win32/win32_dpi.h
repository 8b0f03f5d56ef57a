#pragma once
// Dots per inch per monitor where the system can tell (Windows 10 1607 on), else the system-wide value
// every system reports. The newer calls are looked up at run time, so the program starts anywhere.
#include <windows.h>

namespace dorv {

// The dpi of the window's monitor; for no window, the system's (where a new window appears).
int DpiOf(HWND window);
// The small-icon side (SM_CXSMICON) at a dpi.
int SmallIconSize(int dpi);
// A system metric at a dpi; where the system cannot say, its own value scaled from the system's dpi.
int SystemMetricForDpi(int index, int dpi);
// The non-client metrics (the message font among them) at a dpi; false when the system gives none.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);
// The window rectangle around a client rectangle, with frame and caption as thick as they are at the dpi.
RECT OuterRect(RECT client, DWORD style, DWORD exStyle, int dpi);

// While it lives, windows this thread creates are system-aware: a window that cannot follow a change of scale
// (the help viewer's) is then stretched by the system instead. The thread's awareness comes back at the end.
class SystemAwareScope {
public:
    SystemAwareScope();
    ~SystemAwareScope();
    SystemAwareScope(const SystemAwareScope&) = delete;
    SystemAwareScope& operator=(const SystemAwareScope&) = delete;

private:
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

}  // namespace dorv
