#pragma once
// The hidden menu window's state: its items' check marks and enabled states and the captions' language.
#include <array>
#include <cstddef>

#include "platform/window.h"

namespace dorv {

// In the popup's order.
enum class MenuItemId {
    Mem,
    VMem,
    Cpu,
    Clock,
    AlwaysOnTop,
    Pause,
    Illumination,
    Options,
    Help,
    About,
    Quit,
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
