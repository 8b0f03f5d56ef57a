#include "app/menu_window.h"
#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
#include "app/meter_program.h"
#include "settings/settings_file.h"
#include "window/window_shape.h"

namespace dorv {

MeterProgram::MeterProgram(Platform platform) : app_(std::make_unique<MeterApp>(platform)) {}

MeterProgram::~MeterProgram() = default;

void MeterProgram::Start() {
    RunEntryProcedure(*app_);
}

void RunEntryProcedure(MeterApp& app) {
    app.settingsFile = OpenSettingsFile(app.platform.ini, app.platform.system.DecimalSymbol());
    LoadMeterFrm(app);
    if (app.settings.Hide_Meter != 0)
        return;
    SetStacking(app.platform.window, app.meter.window, app.settings.Top_view);
}

void Quit(MeterApp& app, QuitCause cause) {
    // Closing the window or ending the session during the unload's pump pass must not save twice.
    if (app.unloading)
        return;
    app.unloading = true;
    UnloadMenuFrm(app);
    UnloadMeterFrm(app, cause);
    app.platform.timers.EndProgram();
}

}  // namespace dorv
