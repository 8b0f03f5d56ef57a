#include "window/window_shape.h"

#include "state/meter_frm.h"

namespace dorv {

void AttachDialRegion(WindowSystem& windows, WindowHandle dial, const DialScale& scale) {
    const int side = scale.Pixels(kDialSizePixels);
    windows.AttachEllipticRegion(dial, 0, 0, side, side);
}

int SetStacking(WindowSystem& windows, WindowHandle window, int topView) {
    if (topView != 0 && topView != 1)
        return 0;
    return windows.SetWindowStacking(window, topView == 1);
}

void ApplyTransparency(WindowSystem& windows, OsVersion& os, WindowHandle window, std::int32_t transparency) {
    if (!os.QueryCapabilities().translucency)
        return;
    // Only the low byte reaches the system; the load keeps Transparency within 1..255 anyway.
    windows.MakeLayered(window, static_cast<std::uint8_t>(transparency & 0xFF));
}

}  // namespace dorv
