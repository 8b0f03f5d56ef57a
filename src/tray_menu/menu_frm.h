#pragma once
// The hidden window that owns the popup menu: its items, captions, check marks and enabled states.
#include <array>
#include <string>
#include <vector>

#include "platform/popup_menu.h"
#include "platform/window.h"

namespace dorv {

struct MeterApp;

// In the popup's order.
enum class MenuItemId {
    MNU_M_P,
    MNU_M_V,
    MNU_M_C,
    MNU_M_L,
    MNU_M_T,
    MNU_M_S,
    MNU_M_I,
    MNU_M_O,
    MNU_M_H,
    MNU_M_A,
    MNU_M_X,
};
inline constexpr int kMenuItemCount = 11;

enum class MenuLanguage { Japanese, English };

struct MenuItemState {
    bool checked = false;
    bool enabled = true;
};

struct MenuFrm {
    bool loaded = false;
    WindowHandle window = nullptr;
    MenuLanguage language = MenuLanguage::Japanese;
    std::array<MenuItemState, kMenuItemCount> items{};

    MenuItemState& Item(MenuItemId id) { return items[static_cast<std::size_t>(id)]; }
    const MenuItemState& Item(MenuItemId id) const { return items[static_cast<std::size_t>(id)]; }
};

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

// Refreshes the marks, shows the popup at the pointer and runs the chosen command.
void ShowPopupMenu(MeterApp& app);

// MenuFrm's unload, the first step of Quit: the tray icon goes with it.
void UnloadMenuFrm(MeterApp& app);

}  // namespace dorv
