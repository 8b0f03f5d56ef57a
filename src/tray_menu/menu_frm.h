#pragma once
// The hidden window that owns the popup menu: its items' captions and the rows the host shows.
#include <string>
#include <vector>

#include "platform/popup_menu.h"
#include "state/menu_state.h"

namespace dorv {

// The English captions when `english` (English = 1), with help disabled; Japanese ones are never written back.
void SetMenuLanguage(MenuFrm& menu, bool english);

std::string MenuCaption(MenuItemId id, MenuLanguage language);
// The popup's rows, separators included, as the host shows them; "Options" is the default item.
std::vector<MenuItemView> MenuRows(const MenuFrm& menu);
// The id a row carries to the host and back (0 stands for no choice).
int MenuCommandId(MenuItemId id);

}  // namespace dorv
