#pragma once
// The dial window's drawn state: what the core keeps and hands to the host's painter.
#include "platform/dial_drawing.h"
#include "platform/dial_scale.h"
#include "render/geometry.h"
#include "settings/meter_settings.h"

namespace dorv {

// The core's copy of what the dial shows besides the lines.
struct DialState {
    LabelView readoutLabel{56, 69, 45, 8, "%", true, 0};  // the time in Clock mode
    LabelView modeLabel{56, 75, 25, 10, "CPU", true, 0};
    DialFace face = DialFace::Meter;
    bool persistentDrawing = true;
    bool warningLampVisible = false;
    DialScale scale;  // the dial's monitor's dpi: design places to device pixels
    // Window positions share one desktop-wide space, so one factor turns them into twips and back whatever
    // monitor the dial moves to: the primary monitor's at start, as the screen size is.
    DialScale desktopScale;
    int penWidth = 1;  // design pixels, kept so a new scale can widen the pen in use
};

// Where drawing goes: the host's drawing calls for one window, and the state they change.
struct DialSurface {
    DialDrawing& drawing;
    WindowHandle window;
    DialState& state;
};

void ShowFace(const DialSurface& dial, DialFace face);
void SetPersistentDrawing(const DialSurface& dial, bool on);
void ShowWarningLamp(const DialSurface& dial, bool visible);
// Hands a label's current text, place, colour and visibility to the host.
void RefreshLabel(const DialSurface& dial, DialLabelId label);
void RefreshLabels(const DialSurface& dial);
// Places and lines are given in the 100 x 100 design space and reach the host in device pixels.
// One line of a needle or hand, in the given colour.
void DrawRoleLine(const DialSurface& dial, const RoleLine& line, Colour colour);
// The pen for the following lines, in design pixels.
void SetPenWidth(const DialSurface& dial, int designPixels);
// Erases what has been drawn on the dial, keeping the face.
void ClearDrawing(const DialSurface& dial);

}  // namespace dorv
