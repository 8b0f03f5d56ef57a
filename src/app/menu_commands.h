#pragma once
// The popup menu's commands, and the popup that offers them.
#include "tray_menu/menu_frm.h"

namespace dorv {

struct MeterApp;

inline constexpr const char* kHelpFile = "Dorvanix.chm";

void RunMenuCommand(MeterApp& app, MenuItemId id);

// The four mode commands: labels, face, timer interval and retained drawing for the mode.
void SelectMode(MeterApp& app, int mode);
void ToggleAlwaysOnTop(MeterApp& app);
// Pausing lets the needle sink to zero, pumping messages between the steps.
void TogglePause(MeterApp& app);

// Refreshes the marks, shows the popup at the pointer and runs the chosen command.
void ShowPopupMenu(MeterApp& app);

}  // namespace dorv
