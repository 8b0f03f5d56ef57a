#include "render/clock.h"

#include <cstdio>

#include "app/meter_app.h"
#include "render/needle.h"

namespace dorv {

std::string FormatClockText(const LocalTime& time) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d.%02d", time.hour % 100, time.minute % 100, time.second % 100);
    return text;
}

void DrawClock(MeterApp& app) {
    std::string text = FormatClockText(app.platform.system.CurrentLocalTime());
    if (text == app.meter.Label1.caption)
        return;
    // The hands arrive with the clock face artwork.
    ClearDrawing(app);
    app.meter.Label1.caption = text;
}

}  // namespace dorv
