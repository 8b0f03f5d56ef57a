#pragma once
// The about box with the live memory report: one modeless instance.
#include "platform/dialogs.h"

namespace dorv {

struct MeterApp;

// Builds and shows the box, or shows the open one again; either way with the dial's stacking.
void OpenAboutBox(MeterApp& app);
// A user action in the open box.
void OnAboutBoxEvent(MeterApp& app, int controlId, DialogEvent event);
// The box's 200 ms timer: rebuilds the report.
void RefreshAboutReport(MeterApp& app);

}  // namespace dorv
