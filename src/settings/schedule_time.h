#pragma once
// The illumination schedule's times of day as stored in meter.ini.
#include <string>
#include <string_view>

#include "platform/system_status.h"

namespace dorv {

// "hh:nn" of a time of day.
std::string FormatHhNn(const LocalTime& time);
// A stored time read as a time of day and written again as "hh:nn" ("9:00" -> "09:00"); text that is
// not a time of day stays as it is.
std::string ReformatScheduleTime(std::string_view stored);

}  // namespace dorv
