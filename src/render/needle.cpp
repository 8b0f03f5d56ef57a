#include "render/needle.h"

#include "app/meter_app.h"
#include "tray_menu/tray_icon.h"

namespace dorv {

void ClearDrawing(MeterApp& app) {
    app.platform.window.InvalidateWindow(app.meter.window);
}

void DrawNeedle(MeterApp& app, double value, NeedleKind kind) {
    (void)kind;
    if (app.settings.Zanzo_view == 0)
        ClearDrawing(app);
    // The needle's lines arrive with the dial artwork; the lamp and tray already follow every needle.
    app.meter.warningLampVisible = value >= app.settings.Warning;
    if (app.settings.Icon_view == 1)
        UpdateTrayIcon(app, value);
}

}  // namespace dorv
