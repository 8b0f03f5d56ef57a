#include "tray_menu/menu_frm.h"

namespace dorv {
namespace {

struct MenuRow {
    MenuItemId id;
    const char* formName;  // the item on the documented menu
    const char* japanese;
    const char* english;
    bool separatorAfter;
};

constexpr MenuRow kMenuRows[kMenuItemCount] = {
    {MenuItemId::Mem, "MNU_M_P", "物理メモリ(&P)", "&Physical Memory", false},
    {MenuItemId::VMem, "MNU_M_V", "仮想メモリ(&V)", "&Virtual Memory", false},
    {MenuItemId::Cpu, "MNU_M_C", "CPU使用率(&C)", "&CPU Usage", false},
    {MenuItemId::Clock, "MNU_M_L", "時計(&L)", "C&lock", true},
    {MenuItemId::AlwaysOnTop, "MNU_M_T", "常に手前に表示(&T)", "Always on &top", false},
    {MenuItemId::Pause, "MNU_M_S", "一時停止(&S)", "H&alt", true},
    {MenuItemId::Illumination, "MNU_M_I", "イルミネーション(&I)", "&Illumination", true},
    {MenuItemId::Options, "MNU_M_O", "オプション設定(&O)...", "&Options", true},
    {MenuItemId::Help, "MNU_M_H", "ヘルプ(&H)...", "&Help...", false},
    {MenuItemId::About, "MNU_M_A", "バージョン情報(&A)...", "V&ersion Info...", true},
    {MenuItemId::Quit, "MNU_M_X", "終了(&X)", "&Quit", false},
};

}  // namespace

void SetMenuLanguage(MenuFrm& menu, bool english) {
    if (!english)
        return;
    menu.language = MenuLanguage::English;
    menu.Item(MenuItemId::Help).enabled = false;
}

std::string MenuCaption(MenuItemId id, MenuLanguage language) {
    const MenuRow& row = kMenuRows[static_cast<std::size_t>(id)];
    return language == MenuLanguage::English ? row.english : row.japanese;
}

int MenuCommandId(MenuItemId id) {
    return static_cast<int>(id) + 1;
}

std::vector<MenuItemView> MenuRows(const MenuFrm& menu) {
    std::vector<MenuItemView> rows;
    for (const MenuRow& row : kMenuRows) {
        const MenuItemState& state = menu.Item(row.id);
        rows.push_back({MenuCommandId(row.id), MenuCaption(row.id, menu.language), state.checked, state.enabled,
                        row.id == MenuItemId::Options});
        if (row.separatorAfter)
            rows.push_back(MenuItemView{});
    }
    return rows;
}

}  // namespace dorv
