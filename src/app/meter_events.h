#pragma once
// What the hosts call when the window system reports something to the dial window.
#include "platform/timers.h"

namespace dorv {

struct MeterApp;

void OnMeterTimer(MeterApp& app, TimerId timer);
// The dial window was asked to close (taskkill, Alt+F4) or the session ends: the same Quit as the menu.
void OnMeterCloseRequest(MeterApp& app);

}  // namespace dorv
