#pragma once
// The core's drawing calls land in the painter; the dial is repainted from it once per batch of calls.
#include <windows.h>

#include "platform/dial_drawing.h"
#include "win32_dial_painter.h"

namespace dorv {

class Win32DialDrawing final : public DialDrawing {
public:
    // Where the artwork comes from; the core's first SetScale loads it.
    void Create(HINSTANCE instance) { painter_.Create(instance); }
    // The dial's WM_PAINT.
    void Paint(HDC target) { painter_.Paint(target); }

    void SetScale(WindowHandle window, int dpi) override;
    void ClearDrawing(WindowHandle window) override;
    void DrawLine(WindowHandle window, float x1, float y1, float x2, float y2, std::int32_t colour) override;
    void SetPenWidth(WindowHandle window, int pixels) override;
    void SetPersistentDrawing(WindowHandle window, bool on) override;
    void SetFace(WindowHandle window, DialFace face) override;
    void SetWarningLamp(WindowHandle window, bool visible) override;
    void SetLabel(WindowHandle window, DialLabelId label, const LabelView& view) override;

private:
    DialPainter painter_;  // composed off screen and copied once per paint, so nothing flickers
};

}  // namespace dorv
