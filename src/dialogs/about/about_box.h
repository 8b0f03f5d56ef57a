#pragma once
// The about box with the live memory report: one modeless instance.

namespace dorv {

struct MeterApp;

void OpenAboutBox(MeterApp& app);

}  // namespace dorv
