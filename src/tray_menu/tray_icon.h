#pragma once
// The notification-area icon: its picture and tooltip follow the value, or the time in Clock mode.
#include <string>

#include "state/tray_state.h"

namespace dorv {

struct MeterApp;

// Picture index for a value: the band of ten percent, 0..10; 0 in Clock and unknown modes.
int TrayIconIndex(int mode, double value);
// "Mem:57%", "VMem:8%", "CPU:100%"; empty for the modes that keep their tip.
std::string TrayTip(int mode, double value);

void PrepareTrayIcon(MeterApp& app);
void AddTrayIcon(MeterApp& app);
void UpdateTrayIcon(MeterApp& app, double value);
void UpdateClockTip(MeterApp& app);
void ResetTrayIcon(MeterApp& app);
void RemoveTrayIcon(MeterApp& app);

// The shell came back (Explorer restarted) and forgot every icon: add ours again.
void RestoreTrayIcon(MeterApp& app);
// The retry timer of the menu window: another add while the shell keeps refusing.
void RetryTrayIcon(MeterApp& app);

}  // namespace dorv
