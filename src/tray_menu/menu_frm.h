#pragma once
// The hidden window that owns the popup menu: its items' check marks and enabled states.
#include <array>

namespace dorv {

struct MeterApp;

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

// English captions when English = 1, with help disabled; Japanese ones are never written back.
void SetMenuLanguage(MeterApp& app);

// MenuFrm's unload, the first step of Quit.
void UnloadMenuFrm(MeterApp& app);

}  // namespace dorv
