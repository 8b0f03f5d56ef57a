#pragma once
// The hidden menu window's state: its items' check marks and enabled states and the captions' language.
#include <array>
#include <cstddef>

#include "platform/window.h"

namespace dorv {

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

}  // namespace dorv
