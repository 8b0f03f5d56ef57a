#include "win32_events.h"

#include "app/meter_events.h"

namespace dorv {

void Win32Events::End(int exitCode) {
    ending_ = true;
    if (onEnd_)
        onEnd_();
    PostQuitMessage(exitCode);
}

void Win32Events::Timer(UINT_PTR id) const {
    RouteTimer(App(), id);
}

// Timer ids are the core's own and unique across windows, so the id alone says whose tick it is.
void RouteTimer(MeterApp* app, UINT_PTR id) {
    if (app && id >= static_cast<UINT_PTR>(TimerId::Sample) && id <= static_cast<UINT_PTR>(TimerId::AboutRefresh))
        OnTimer(*app, static_cast<TimerId>(id));
}

}  // namespace dorv
