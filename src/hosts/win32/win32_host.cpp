#include "win32_host.h"

namespace dorv {

Win32Host::Win32Host(HINSTANCE instance)
    : dialogs_(instance, events_),
      menu_(events_),
      timers_(events_, dialogs_),
      windows_(instance, events_, drawing_, dialogs_),
      tray_(instance) {
    // At the end no event reaches the core any more, from any window.
    events_.OnEnd([this] { menu_.CloseIfOpen(); });
}

Win32Host::~Win32Host() {
    // The app is gone by now: nothing may reach its handlers while the windows go.
    events_.Detach();
    // The viewer's windows run on the library's code and are owned by ours: closed while both still exist.
    help_.CloseAll();
}

void Win32Host::Attach(MeterApp& app) {
    events_.Attach(app);
}

}  // namespace dorv
