#pragma once
// Switching between the normal and the lit look.

namespace dorv {

struct MeterApp;

// Makes the menu mark, face, colours and labels follow Illumination, then redraws the needle where it is.
void SetIllumination(MeterApp& app);

}  // namespace dorv
