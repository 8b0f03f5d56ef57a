#include "window/window_shape.h"

#include <cstdint>

#include "metrics/os_checks.h"
#include "state/meter_app.h"

namespace dorv {

void AttachDialRegion(MeterApp& app) {
    const int side = app.meter.scale.Pixels(kDialSizePixels);
    app.platform.window.AttachEllipticRegion(app.meter.window, 0, 0, side, side);
}

int SetStacking(MeterApp& app, WindowHandle window, int topView) {
    if (topView != 0 && topView != 1)
        return 0;
    return app.platform.window.SetWindowStacking(window, topView == 1);
}

void ApplyTransparency(MeterApp& app, WindowHandle window) {
    if (!IsWin2000OrXP(app.platform.os))
        return;
    // Only the low byte reaches the system; the load keeps Transparency within 1..255 anyway.
    app.platform.window.MakeLayered(window, static_cast<std::uint8_t>(app.settings.Transparency & 0xFF));
}

}  // namespace dorv
