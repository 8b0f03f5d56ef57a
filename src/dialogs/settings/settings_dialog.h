#pragma once
// The settings dialog: one modeless instance, brought forward when asked again.

namespace dorv {

struct MeterApp;

void OpenSettingsDialog(MeterApp& app);

}  // namespace dorv
