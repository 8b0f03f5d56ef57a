#include "win32_dial_drawing.h"

#include "win32_window_handle.h"

namespace dorv {
namespace {

// No erase: the paint covers every pixel.
void Invalidate(WindowHandle window) {
    InvalidateRect(ToHwnd(window), nullptr, FALSE);
}

}  // namespace

void Win32DialDrawing::SetScale(WindowHandle window, int dpi) {
    painter_.SetScale(dpi);
    Invalidate(window);
}

void Win32DialDrawing::ClearDrawing(WindowHandle window) {
    painter_.Clear();
    Invalidate(window);
}

void Win32DialDrawing::DrawLine(WindowHandle window, float x1, float y1, float x2, float y2, std::int32_t colour) {
    painter_.Line(x1, y1, x2, y2, colour);
    Invalidate(window);
}

void Win32DialDrawing::SetPenWidth(WindowHandle, int pixels) {
    painter_.SetPenWidth(pixels);
}

void Win32DialDrawing::SetPersistentDrawing(WindowHandle, bool on) {
    painter_.SetPersistent(on);
}

void Win32DialDrawing::SetFace(WindowHandle window, DialFace face) {
    painter_.SetFace(face);
    Invalidate(window);
}

void Win32DialDrawing::SetWarningLamp(WindowHandle window, bool visible) {
    painter_.SetLamp(visible);
    Invalidate(window);
}

void Win32DialDrawing::SetLabel(WindowHandle window, DialLabelId label, const LabelView& view) {
    painter_.SetLabel(label, view);
    Invalidate(window);
}

}  // namespace dorv
