#include "win32_host.h"

// The core's drawing lands in the painter; the window is repainted from it once per batch of calls.
namespace dorv {

void Win32Host::ClearDrawing(WindowHandle window) {
    painter_.Clear();
    InvalidateWindow(window);
}

void Win32Host::DrawLine(WindowHandle window, float x1, float y1, float x2, float y2, std::int32_t colour) {
    painter_.Line(x1, y1, x2, y2, colour);
    InvalidateWindow(window);
}

void Win32Host::SetPenWidth(WindowHandle, int pixels) {
    painter_.SetPenWidth(pixels);
}

void Win32Host::SetPersistentDrawing(WindowHandle, bool on) {
    painter_.SetPersistent(on);
}

void Win32Host::SetFace(WindowHandle window, DialFace face) {
    painter_.SetFace(face);
    InvalidateWindow(window);
}

void Win32Host::SetWarningLamp(WindowHandle window, bool visible) {
    painter_.SetLamp(visible);
    InvalidateWindow(window);
}

void Win32Host::SetLabel(WindowHandle window, DialLabelId label, const LabelView& view) {
    painter_.SetLabel(label, view);
    InvalidateWindow(window);
}

}  // namespace dorv
