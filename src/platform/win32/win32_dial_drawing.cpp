#include "win32_host.h"

namespace dorv {

void Win32Host::ClearDrawing(WindowHandle window) {
    InvalidateWindow(window);
}

void Win32Host::DrawLine(WindowHandle window, float, float, float, float, std::int32_t) {
    InvalidateWindow(window);
}

void Win32Host::SetPenWidth(WindowHandle, int) {}

void Win32Host::SetPersistentDrawing(WindowHandle, bool) {}

void Win32Host::SetFace(WindowHandle window, DialFace) {
    InvalidateWindow(window);
}

void Win32Host::SetWarningLamp(WindowHandle window, bool) {
    InvalidateWindow(window);
}

void Win32Host::SetLabel(WindowHandle window, DialLabelId, const LabelView&) {
    InvalidateWindow(window);
}

}  // namespace dorv
