#pragma once
// The hidden menu window as a step of the program: loaded by the first touch of an item, unloaded at Quit.
#include "state/menu_state.h"

namespace dorv {

struct MeterApp;

// The first touch of a menu item creates MenuFrm; its load reads English, so that must be known by then.
MenuFrm& TouchMenuFrm(MeterApp& app);
void SetMenuChecked(MeterApp& app, MenuItemId id, bool checked);
void SetMenuEnabled(MeterApp& app, MenuItemId id, bool enabled);
bool IsMenuChecked(MeterApp& app, MenuItemId id);

// Checks the item of a mode (0..3) and unchecks the other three; other values leave the marks alone.
void CheckModeItem(MeterApp& app, int mode);

// Before each popup: language, mode marks, illumination and always-on-top marks.
void RefreshMenuChecks(MeterApp& app);

// MenuFrm's unload, the first step of Quit: the tray icon goes with it.
void UnloadMenuFrm(MeterApp& app);

}  // namespace dorv
