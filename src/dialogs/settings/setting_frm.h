#pragma once
// The settings dialog's state while it is open.
#include "platform/window.h"

namespace dorv {

struct SettingFrm {
    WindowHandle window = nullptr;  // null while closed
};

}  // namespace dorv
