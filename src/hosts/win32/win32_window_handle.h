#pragma once
// The core's opaque window handles are HWNDs in this host.
#include <windows.h>

#include "platform/window.h"

namespace dorv {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

inline WindowHandle ToHandle(HWND hwnd) {
    return reinterpret_cast<WindowHandle>(hwnd);
}

}  // namespace dorv
