#pragma once
// Window timers and the message pump.
#include "platform/window.h"

namespace dorv {

// Timer1..Timer3 belong to the dial window, TrayRetry to the menu window, AboutRefresh to the about box.
enum class TimerId { Timer1 = 1, Timer2 = 2, Timer3 = 3, TrayRetry = 4, AboutRefresh = 5 };

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
