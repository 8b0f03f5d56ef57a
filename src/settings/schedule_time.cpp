#include "settings/schedule_time.h"

#include <cstdio>

namespace dorv {
namespace {

// Reads up to two digits; false when there is none.
bool ReadNumber(std::string_view text, std::size_t& at, int& number) {
    std::size_t start = at;
    number = 0;
    while (at < text.size() && at - start < 2 && text[at] >= '0' && text[at] <= '9')
        number = number * 10 + (text[at++] - '0');
    return at > start;
}

}  // namespace

std::string FormatHhNn(const LocalTime& time) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour % 100, time.minute % 100);
    return text;
}

std::string ReformatScheduleTime(std::string_view stored) {
    std::size_t at = 0;
    while (at < stored.size() && stored[at] == ' ')
        ++at;
    int hour = 0, minute = 0, second = 0;
    bool ok =
        ReadNumber(stored, at, hour) && at < stored.size() && stored[at++] == ':' && ReadNumber(stored, at, minute);
    if (ok && at < stored.size() && stored[at] == ':') {
        ++at;
        ok = ReadNumber(stored, at, second);
    }
    while (ok && at < stored.size() && stored[at] == ' ')
        ++at;
    if (!ok || at != stored.size() || hour > 23 || minute > 59 || second > 59)
        return std::string(stored);
    return FormatHhNn(LocalTime{hour, minute, second});
}

}  // namespace dorv
