#include "tray_menu/menu_frm.h"

#include "state/meter_app.h"
#include "tray_menu/tray_icon.h"

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

constexpr MenuItemId kModeItems[] = {MenuItemId::Mem, MenuItemId::VMem, MenuItemId::Cpu, MenuItemId::Clock};

void LoadMenuFrm(MeterApp& app) {
    app.menu.loaded = true;
    app.menu.window = app.platform.window.CreateMenuWindow();
    SetMenuLanguage(app);
    PrepareTrayIcon(app);
}

}  // namespace

MenuFrm& TouchMenuFrm(MeterApp& app) {
    if (!app.menu.loaded)
        LoadMenuFrm(app);
    return app.menu;
}

void SetMenuChecked(MeterApp& app, MenuItemId id, bool checked) {
    TouchMenuFrm(app).Item(id).checked = checked;
}

void SetMenuEnabled(MeterApp& app, MenuItemId id, bool enabled) {
    TouchMenuFrm(app).Item(id).enabled = enabled;
}

bool IsMenuChecked(MeterApp& app, MenuItemId id) {
    return TouchMenuFrm(app).Item(id).checked;
}

void SetMenuLanguage(MeterApp& app) {
    if (app.settings.English != 1)
        return;
    app.menu.language = MenuLanguage::English;
    app.menu.Item(MenuItemId::Help).enabled = false;
}

void CheckModeItem(MeterApp& app, int mode) {
    if (mode < MeterMode::Mem || mode > MeterMode::Clock)
        return;
    for (int i = 0; i < 4; ++i)
        SetMenuChecked(app, kModeItems[i], i == mode);
}

void RefreshMenuChecks(MeterApp& app) {
    SetMenuLanguage(app);
    CheckModeItem(app, app.settings.Needle);
    SetMenuChecked(app, MenuItemId::Illumination, app.settings.Illumination);
    SetMenuChecked(app, MenuItemId::AlwaysOnTop, app.settings.Top_view != 0);
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

void UnloadMenuFrm(MeterApp& app) {
    if (!app.menu.loaded)
        return;
    RemoveTrayIcon(app);
    app.menu.loaded = false;
}

}  // namespace dorv
