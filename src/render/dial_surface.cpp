#include "render/dial_surface.h"

#include "app/meter_app.h"

namespace dorv {

void ShowFace(MeterApp& app, DialFace face) {
    app.meter.face = face;
    app.platform.drawing.SetFace(app.meter.window, face);
}

void SetPersistentDrawing(MeterApp& app, bool on) {
    app.meter.persistentDrawing = on;
    app.platform.drawing.SetPersistentDrawing(app.meter.window, on);
}

void ShowWarningLamp(MeterApp& app, bool visible) {
    app.meter.warningLampVisible = visible;
    app.platform.drawing.SetWarningLamp(app.meter.window, visible);
}

void RefreshLabel(MeterApp& app, DialLabelId label) {
    const LabelView& view = label == DialLabelId::Readout ? app.meter.Label1 : app.meter.Label2;
    app.platform.drawing.SetLabel(app.meter.window, label, view);
}

void RefreshLabels(MeterApp& app) {
    RefreshLabel(app, DialLabelId::Readout);
    RefreshLabel(app, DialLabelId::Mode);
}

void DrawRoleLine(MeterApp& app, const RoleLine& line, Colour colour) {
    app.platform.drawing.DrawLine(app.meter.window, static_cast<float>(line.from.x), static_cast<float>(line.from.y),
                                  static_cast<float>(line.to.x), static_cast<float>(line.to.y), colour);
}

void ClearDrawing(MeterApp& app) {
    app.platform.drawing.ClearDrawing(app.meter.window);
}

}  // namespace dorv
