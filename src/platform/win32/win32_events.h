#pragma once
// Where the host's windows send their events: the app's handlers while the program runs, nowhere once it ends.
#include <windows.h>

#include <functional>
#include <utility>

#include "app/meter_app.h"
#include "platform/timers.h"

namespace dorv {

class Win32Events {
public:
    void Attach(MeterApp& app) { app_ = &app; }
    // The app is going away: nothing reaches it from here on.
    void Detach() { app_ = nullptr; }
    // What else stops at the end (the dialogs' events, an open popup menu).
    void OnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

    // The app to notify, or null once the program is ending.
    MeterApp* App() const { return ending_ ? nullptr : app_; }
    bool Ending() const { return ending_; }
    // Ends the message loop with this exit code; no more events reach the core.
    void End(int exitCode);

    // Every WM_TIMER of every window of the host: the id is the core's timer.
    void Timer(UINT_PTR id) const;

private:
    MeterApp* app_ = nullptr;
    bool ending_ = false;
    std::function<void()> onEnd_;
};

// The timer route for windows whose events are not Win32Events' (the dialogs keep their own app pointer).
void RouteTimer(MeterApp* app, UINT_PTR id);

}  // namespace dorv
