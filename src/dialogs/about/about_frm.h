#pragma once
// The about box's state while it is open.
#include "platform/window.h"

namespace dorv {

struct AboutFrm {
    WindowHandle window = nullptr;  // null while closed
};

}  // namespace dorv
