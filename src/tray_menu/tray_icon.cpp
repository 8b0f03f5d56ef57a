#include "tray_menu/tray_icon.h"

#include "app/meter_app.h"

// The icon itself is shown by the host's notification area, which this build does not drive yet;
// the record keeps the state that the load and Quit sequences pass through.
namespace dorv {

void PrepareTrayIcon(MeterApp& app) {
    app.tray.prepared = true;
}

void AddTrayIcon(MeterApp& app) {
    app.tray.added = true;
}

void UpdateTrayIcon(MeterApp& app, double value) {
    (void)app;
    (void)value;
}

void UpdateClockTip(MeterApp& app) {
    (void)app;
}

void RemoveTrayIcon(MeterApp& app) {
    app.tray.added = false;
}

}  // namespace dorv
