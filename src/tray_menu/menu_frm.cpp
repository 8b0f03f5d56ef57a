#include "tray_menu/menu_frm.h"

#include "app/meter_app.h"
#include "tray_menu/tray_icon.h"

namespace dorv {
namespace {

void LoadMenuFrm(MeterApp& app) {
    app.menu.loaded = true;
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
    app.menu.Item(MenuItemId::MNU_M_H).enabled = false;
}

void UnloadMenuFrm(MeterApp& app) {
    if (!app.menu.loaded)
        return;
    RemoveTrayIcon(app);
    app.menu.loaded = false;
}

}  // namespace dorv
