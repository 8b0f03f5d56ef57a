#pragma once
// The dial window's drawn state: what the core keeps and hands to the host's painter.
#include "platform/dial_drawing.h"
#include "render/geometry.h"
#include "settings/meter_settings.h"

namespace dorv {

struct MeterApp;

void ShowFace(MeterApp& app, DialFace face);
void SetPersistentDrawing(MeterApp& app, bool on);
void ShowWarningLamp(MeterApp& app, bool visible);
// Hands a label's current text, place, colour and visibility to the host.
void RefreshLabel(MeterApp& app, DialLabelId label);
void RefreshLabels(MeterApp& app);
// One line of a needle or hand, in the given colour.
void DrawRoleLine(MeterApp& app, const RoleLine& line, Colour colour);
// Erases what has been drawn on the dial, keeping the face.
void ClearDrawing(MeterApp& app);

}  // namespace dorv
