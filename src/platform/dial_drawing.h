#pragma once
// Drawing on the dial window: face picture, retained or direct line drawing, lamp and labels.
#include <cstdint>
#include <string>

#include "platform/window.h"

namespace dorv {

// The four faces the dial window holds.
enum class DialFace { Meter = 0, MeterLit = 1, Clock = 2, ClockLit = 3 };

enum class DialLabelId { Readout = 1, Mode = 2 };
// The two labels' names on the documented dial form, by id.
inline constexpr const char* kDialLabelFormNames[] = {"", "Label1", "Label2"};

// A text label painted over the face and the drawing, with a transparent background.
struct LabelView {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string text;
    bool visible = true;
    std::int32_t colour = 0;  // red + 256 * green + 65536 * blue
};

// Every place and length below is in the window's device pixels: the core maps its 100 x 100 design space
// through DialScale before it calls.
class DialDrawing {
public:
    virtual ~DialDrawing() = default;

    // The dial's dpi: the host draws its own fixed parts (face, lamp, label fonts) for it and starts a fresh
    // layer showing the face alone.
    virtual void SetScale(WindowHandle window, int dpi) = 0;

    // Erases what has been drawn, keeping the face.
    virtual void ClearDrawing(WindowHandle window) = 0;
    // A line between real-valued points (pixels, y downward) with the current pen width.
    virtual void DrawLine(WindowHandle window, float x1, float y1, float x2, float y2, std::int32_t colour) = 0;
    virtual void SetPenWidth(WindowHandle window, int pixels) = 0;
    // On: drawing is kept and survives repaints. Off: it goes to the screen and a repaint shows the face alone.
    virtual void SetPersistentDrawing(WindowHandle window, bool on) = 0;
    virtual void SetFace(WindowHandle window, DialFace face) = 0;
    virtual void SetWarningLamp(WindowHandle window, bool visible) = 0;
    virtual void SetLabel(WindowHandle window, DialLabelId label, const LabelView& view) = 0;
};

}  // namespace dorv
