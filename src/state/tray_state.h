#pragma once
// The notification-area icon as last handed to the shell, and the retries after a refused add.
#include "platform/tray.h"

namespace dorv {

struct TrayIconRecord {
    TrayIconView view;
    bool added = false;     // the shell accepted the last add and nothing removed it since
    int retriesLeft = 0;    // adds still to try after the shell refused one
    bool retrying = false;  // the menu window's retry timer runs
};

}  // namespace dorv
