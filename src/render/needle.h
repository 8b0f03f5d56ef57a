#pragma once
// Drawing one needle (or afterimage) with its two side effects: the warning lamp and the tray icon.

namespace dorv {

struct MeterApp;

enum class NeedleKind { Normal, Afterimage };

void DrawNeedle(MeterApp& app, double value, NeedleKind kind);
// Erases what has been drawn on the dial, keeping the face.
void ClearDrawing(MeterApp& app);

}  // namespace dorv
