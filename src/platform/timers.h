#pragma once
// Window timers and the message pump.
#include "platform/window.h"

namespace dorv {

// The first three belong to the dial window, TrayRetry to the menu window, AboutRefresh to the about box.
enum class TimerId { Sample = 1, Schedule = 2, OpaqueHold = 3, TrayRetry = 4, AboutRefresh = 5 };

// Each timer's name on the documented forms (the tray retry has none).
struct TimerFormName {
    TimerId id;
    const char* formName;
};
inline constexpr TimerFormName kTimerFormNames[] = {{TimerId::Sample, "Timer1 (MeterFrm)"},
                                                    {TimerId::Schedule, "Timer2 (MeterFrm)"},
                                                    {TimerId::OpaqueHold, "Timer3 (MeterFrm)"},
                                                    {TimerId::AboutRefresh, "Timer1 (frmAbout)"}};

class TimerSystem {
public:
    virtual ~TimerSystem() = default;

    // Starts, restarts or (interval <= 0) stops a timer of a window; ticks reach the window's handlers.
    virtual void SetTimerInterval(WindowHandle window, TimerId timer, int intervalMs) = 0;
    // Lets pending window messages run once, then returns.
    virtual void PumpMessagesOnce() = 0;
    // Ends the program at once, after the current handler returns.
    virtual void EndProgram() = 0;
};

}  // namespace dorv
