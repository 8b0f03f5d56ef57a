#pragma once
// The hidden window that owns the popup menu: its items, captions, check marks and enabled states.
#include <string>
#include <vector>

#include "platform/popup_menu.h"
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

// The English captions when English = 1, with help disabled; Japanese ones are never written back.
void SetMenuLanguage(MeterApp& app);
// Before each popup: language, mode marks, illumination and always-on-top marks.
void RefreshMenuChecks(MeterApp& app);

std::string MenuCaption(MenuItemId id, MenuLanguage language);
// The popup's rows, separators included, as the host shows them; "Options" is the default item.
std::vector<MenuItemView> MenuRows(const MenuFrm& menu);
// The id a row carries to the host and back (0 stands for no choice).
int MenuCommandId(MenuItemId id);

// MenuFrm's unload, the first step of Quit: the tray icon goes with it.
void UnloadMenuFrm(MeterApp& app);

}  // namespace dorv
