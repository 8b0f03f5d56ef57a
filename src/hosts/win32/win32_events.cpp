#include "win32_events.h"

namespace dorv {

void Win32Events::End(int exitCode) {
    ending_ = true;
    if (onEnd_)
        onEnd_();
    PostQuitMessage(exitCode);
}

// Timer ids are the core's own and unique across windows, so the id alone says whose tick it is.
void Win32Events::Timer(UINT_PTR id) const {
    if (MeterApp* app = App();
        app && id >= static_cast<UINT_PTR>(TimerId::Sample) && id <= static_cast<UINT_PTR>(TimerId::AboutRefresh))
        OnTimer(*app, static_cast<TimerId>(id));
}

void Win32Events::Dialog(WindowHandle dialog, int controlId, DialogEvent event) const {
    if (MeterApp* app = App())
        OnDialogEvent(*app, dialog, controlId, event);
}

}  // namespace dorv
