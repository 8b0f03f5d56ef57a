#pragma once
// Window timers and the message loops: every loop hands the open dialogs their keys first.
#include <windows.h>

#include "platform/timers.h"
#include "win32_dialogs.h"
#include "win32_events.h"

namespace dorv {

class Win32Timers : public TimerSystem {
public:
    Win32Timers(Win32Events& events, Win32Dialogs& dialogs) : events_(events), dialogs_(dialogs) {}

    // The main loop; returns the program's exit code once it ends.
    int RunMessageLoop();

    // A timer dies with its window, so nothing here needs releasing.
    void SetTimerInterval(WindowHandle window, TimerId timer, int intervalMs) override;
    void PumpMessagesOnce() override;
    void EndProgram() override;

private:
    void Deliver(MSG& msg);

    Win32Events& events_;
    Win32Dialogs& dialogs_;
};

}  // namespace dorv
