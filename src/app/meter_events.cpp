#include "app/meter_events.h"

#include "app/meter_app.h"
#include "app/meter_lifecycle.h"
#include "app/sample_tick.h"

namespace dorv {

void OnMeterTimer(MeterApp& app, TimerId timer) {
    if (app.unloading)
        return;
    switch (timer) {
        case TimerId::Timer1:
            SampleTick(app);
            break;
        case TimerId::Timer2:  // the illumination schedule check arrives with the tray menu
        case TimerId::Timer3:  // the translucency restore arrives with mouse avoidance
            break;
    }
}

void OnMeterCloseRequest(MeterApp& app) {
    Quit(app);
}

}  // namespace dorv
