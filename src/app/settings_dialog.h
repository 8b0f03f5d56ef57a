#pragma once
// The settings dialog: one modeless instance, brought forward when asked again.
#include "platform/dialogs.h"

namespace dorv {

struct MeterApp;

void OpenSettingsDialog(MeterApp& app);
// A user action in the open dialog.
void OnSettingsDialogEvent(MeterApp& app, int controlId, DialogEvent event);

}  // namespace dorv
