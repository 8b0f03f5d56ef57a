#pragma once
// Switching between the normal and the lit look, by hand and on the daily schedule.
#include <string>
#include <string_view>

#include "platform/system_status.h"

namespace dorv {

struct MeterApp;

// Makes the tray, menu mark, face, colours and labels follow Illumination, then redraws the needle.
void SetIllumination(MeterApp& app);

// The menu command; with a schedule set it first asks whether to cancel the schedule.
void IlluminationCommand(MeterApp& app);

// Timer2's tick: lights the dial from the on-time (inclusive) to the off-time (exclusive).
void ScheduleCheck(MeterApp& app);

// "hh:nn" of a time of day.
std::string FormatHhNn(const LocalTime& time);
// A stored time read as a time of day and written again as "hh:nn" ("9:00" -> "09:00"); text that is
// not a time of day stays as it is.
std::string ReformatScheduleTime(std::string_view stored);

}  // namespace dorv
