#include "app/menu_window.h"

#include "app/meter_app.h"
#include "tray_menu/menu_frm.h"
#include "tray_menu/tray_icon.h"

namespace dorv {
namespace {

constexpr MenuItemId kModeItems[] = {MenuItemId::Mem, MenuItemId::VMem, MenuItemId::Cpu, MenuItemId::Clock};

void LoadMenuFrm(MeterApp& app) {
    app.menu.loaded = true;
    app.menu.window = app.platform.window.CreateMenuWindow();
    SetMenuLanguage(app.menu, app.settings.English == 1);
    PrepareTrayIcon(Tray(app));
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

void CheckModeItem(MeterApp& app, int mode) {
    if (mode < MeterMode::Mem || mode > MeterMode::Clock)
        return;
    for (int i = 0; i < 4; ++i)
        SetMenuChecked(app, kModeItems[i], i == mode);
}

void RefreshMenuChecks(MeterApp& app) {
    SetMenuLanguage(app.menu, app.settings.English == 1);
    CheckModeItem(app, app.settings.Needle);
    SetMenuChecked(app, MenuItemId::Illumination, app.settings.Illumination);
    SetMenuChecked(app, MenuItemId::AlwaysOnTop, app.settings.Top_view != 0);
}

void UnloadMenuFrm(MeterApp& app) {
    if (!app.menu.loaded)
        return;
    RemoveTrayIcon(Tray(app));
    app.menu.loaded = false;
}

}  // namespace dorv
