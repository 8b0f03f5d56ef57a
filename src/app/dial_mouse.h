#pragma once
// The dial's mouse: drag with the left button, menu on the right button's release, and the two
// reactions to a passing pointer (jumping away, turning opaque).

namespace dorv {

struct MeterApp;

inline constexpr float kAvoidStepTwips = 200.0f;
inline constexpr int kOpaqueHoldMs = 3000;

// True when the point (dial pixels) lies on a shown label, which handles its own mouse events.
bool IsOnLabel(const MeterApp& app, int x, int y);

void DialMouseDown(MeterApp& app, int button, int modifiers, int x, int y);
void DialMouseUp(MeterApp& app, int button, int modifiers, int x, int y);
void DialMouseMove(MeterApp& app, int buttons, int modifiers, int x, int y);

// Moves the dial a step away from a pointer in an outer third, wrapping around the screen.
void AvoidPointer(MeterApp& app, int x, int y);
// The opaque-hold timer: translucent again after the pointer has left it alone for a while.
void RestoreTranslucency(MeterApp& app);

}  // namespace dorv
