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
    LabelView view = label == DialLabelId::Readout ? dial.state.readoutLabel : dial.state.modeLabel;
    const DialScale& scale = dial.state.scale;
    view.left = scale.Pixels(view.left);
    view.top = scale.Pixels(view.top);
    view.width = scale.Pixels(view.width);
    view.height = scale.Pixels(view.height);
    dial.drawing.SetLabel(dial.window, label, view);
}

void RefreshLabels(const DialSurface& dial) {
    RefreshLabel(dial, DialLabelId::Readout);
    RefreshLabel(dial, DialLabelId::Mode);
}

// The one place where the needle's and the hands' design coordinates become the monitor's pixels.
void DrawRoleLine(const DialSurface& dial, const RoleLine& line, Colour colour) {
    const DialScale& scale = dial.state.scale;
    dial.drawing.DrawLine(
        dial.window, static_cast<float>(scale.ToDevice(line.from.x)), static_cast<float>(scale.ToDevice(line.from.y)),
        static_cast<float>(scale.ToDevice(line.to.x)), static_cast<float>(scale.ToDevice(line.to.y)), colour);
}

void SetPenWidth(const DialSurface& dial, int designPixels) {
    dial.state.penWidth = designPixels;
    dial.drawing.SetPenWidth(dial.window, dial.state.scale.PenPixels(designPixels));
}

void ClearDrawing(const DialSurface& dial) {
    dial.drawing.ClearDrawing(dial.window);
}

}  // namespace dorv
