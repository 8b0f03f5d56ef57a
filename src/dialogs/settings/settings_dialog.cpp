#include "dialogs/settings/settings_dialog.h"

#include "app/meter_app.h"

namespace dorv {

// The dialog's pages arrive with their own work; the menu and the tray already lead here.
void OpenSettingsDialog(MeterApp& app) {
    (void)app;
}

void OnSettingsDialogEvent(MeterApp& app, int controlId, DialogEvent event) {
    (void)app;
    (void)controlId;
    (void)event;
}

}  // namespace dorv
