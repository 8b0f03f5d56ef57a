#pragma once
// The about box's live report: memory, address space, uptime and the time of day, as one text.
#include <cstdint>
#include <string>

#include "dialogs/about/number_format.h"
#include "platform/system_status.h"

namespace dorv {

struct UptimeParts {
    std::uint64_t hours = 0;  // not limited to 24
    int minutes = 0;
    int seconds = 0;
};

UptimeParts SplitUptime(std::uint64_t tickMs);

// Everything one refresh reads, so the text is a pure function of it.
struct ReportFigures {
    MemoryStatus memory;
    std::uint64_t tickMs = 0;
    LocalTime time;             // Japanese report only
    bool english = false;       // English = 1
    bool vistaOrLater = false;  // leaves the page-file lines out
    NumberSymbols symbols;
};

// Lines joined by CR LF, none after the last.
std::string BuildMemoryReport(const ReportFigures& figures);

}  // namespace dorv
