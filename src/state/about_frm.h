#pragma once
// The about box's state while it is open.
#include <cstdint>

#include "platform/window.h"

namespace dorv {

struct AboutFrm {
    WindowHandle window = nullptr;  // null while closed
    std::int16_t HoverIndex = -1;   // the highlighted link, -1 when none
};

}  // namespace dorv
