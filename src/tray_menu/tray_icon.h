#pragma once
// The notification-area icon that follows the value.

namespace dorv {

struct MeterApp;

struct TrayIconRecord {
    bool prepared = false;
    bool added = false;
};

void PrepareTrayIcon(MeterApp& app);
void AddTrayIcon(MeterApp& app);
void UpdateTrayIcon(MeterApp& app, double value);
void UpdateClockTip(MeterApp& app);
void RemoveTrayIcon(MeterApp& app);

}  // namespace dorv
