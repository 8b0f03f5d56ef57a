#pragma once
// The notification-area icon: its picture and tooltip follow the value, or the time in Clock mode.
#include <string>

#include "platform/system_status.h"
#include "platform/timers.h"
#include "platform/tray.h"
#include "settings/meter_settings.h"
#include "state/tray_state.h"

namespace dorv {

// What the icon works with: the shell's icons, the menu window that owns the icon and its retry timer, the
// clock for the tip in Clock mode, the icon's record and the settings it follows.
struct TrayIconParts {
    TrayIcons& shell;
    TimerSystem& timers;
    SystemStatus& system;
    WindowHandle owner;
    TrayIconRecord& record;
    const MeterSettings& settings;
};

// Picture index for a value: the band of ten percent, 0..10; 0 in Clock and unknown modes.
int TrayIconIndex(int mode, double value);
// "Mem:57%", "VMem:8%", "CPU:100%"; empty for the modes that keep their tip.
std::string TrayTip(int mode, double value);

void PrepareTrayIcon(const TrayIconParts& tray);
void AddTrayIcon(const TrayIconParts& tray);
void UpdateTrayIcon(const TrayIconParts& tray, double value);
void UpdateClockTip(const TrayIconParts& tray);
void ResetTrayIcon(const TrayIconParts& tray);
void RemoveTrayIcon(const TrayIconParts& tray);

// The shell came back (Explorer restarted) and forgot every icon: add ours again.
void RestoreTrayIcon(const TrayIconParts& tray);
// The retry timer of the menu window: another add while the shell keeps refusing.
void RetryTrayIcon(const TrayIconParts& tray);

}  // namespace dorv
