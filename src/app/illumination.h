#pragma once
// Switching between the normal and the lit look, by hand and on the daily schedule.

namespace dorv {

struct MeterApp;

// The schedule timer's interval while both times are set.
inline constexpr int kScheduleCheckMs = 5000;

// Makes the tray, menu mark, face, colours and labels follow Illumination, then redraws the needle.
void SetIllumination(MeterApp& app);

// The menu command; with a schedule set it first asks whether to cancel the schedule.
void IlluminationCommand(MeterApp& app);

// The schedule timer's tick: lights the dial from the on-time (inclusive) to the off-time (exclusive).
void ScheduleCheck(MeterApp& app);

}  // namespace dorv
