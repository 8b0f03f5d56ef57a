#include "dialogs/about/about_box.h"

#include "app/meter_app.h"

namespace dorv {

// The box and its report arrive with their own work; the menu already leads here.
void OpenAboutBox(MeterApp& app) {
    (void)app;
}

void OnAboutBoxEvent(MeterApp& app, int controlId, DialogEvent event) {
    (void)app;
    (void)controlId;
    (void)event;
}

void RefreshAboutReport(MeterApp& app) {
    (void)app;
}

}  // namespace dorv
