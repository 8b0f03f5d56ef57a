#include "render/dial_surface.h"

namespace dorv {

void ShowFace(const DialSurface& dial, DialFace face) {
    dial.state.face = face;
    dial.drawing.SetFace(dial.window, face);
}

void SetPersistentDrawing(const DialSurface& dial, bool on) {
    dial.state.persistentDrawing = on;
    dial.drawing.SetPersistentDrawing(dial.window, on);
}

void ShowWarningLamp(const DialSurface& dial, bool visible) {
    dial.state.warningLampVisible = visible;
    dial.drawing.SetWarningLamp(dial.window, visible);
}

void RefreshLabel(const DialSurface& dial, DialLabelId label) {
    const LabelView& view = label == DialLabelId::Readout ? dial.state.Label1 : dial.state.Label2;
    dial.drawing.SetLabel(dial.window, label, view);
}

void RefreshLabels(const DialSurface& dial) {
    RefreshLabel(dial, DialLabelId::Readout);
    RefreshLabel(dial, DialLabelId::Mode);
}

void DrawRoleLine(const DialSurface& dial, const RoleLine& line, Colour colour) {
    dial.drawing.DrawLine(dial.window, static_cast<float>(line.from.x), static_cast<float>(line.from.y),
                          static_cast<float>(line.to.x), static_cast<float>(line.to.y), colour);
}

void ClearDrawing(const DialSurface& dial) {
    dial.drawing.ClearDrawing(dial.window);
}

}  // namespace dorv
