#include "metrics/proc_readings.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <map>
#include <string>

namespace dorv {
namespace {

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();

// Huge figures stop at the top rather than wrap, so a sum never turns small.
std::uint64_t Sum(std::uint64_t a, std::uint64_t b) {
    return b > kMax - a ? kMax : a + b;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Splits off the next blank-separated word of a line.
std::string_view NextWord(std::string_view& line) {
    std::size_t start = 0;
    while (start < line.size() && IsBlank(line[start]))
        ++start;
    std::size_t end = start;
    while (end < line.size() && !IsBlank(line[end]))
        ++end;
    const std::string_view word = line.substr(start, end - start);
    line.remove_prefix(end);
    return word;
}

// A whole unsigned decimal number, nothing else; one beyond 64 bits is none.
std::optional<std::uint64_t> Number(std::string_view word) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

// Calls `take` with each line, without its line end.
template <class F>
void EachLine(std::string_view text, F take) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        take(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

}  // namespace

std::optional<ProcessorTimes> ProcessorZeroFromProcStat(std::string_view text) {
    std::optional<ProcessorTimes> times;
    EachLine(text, [&](std::string_view line) {
        if (times || NextWord(line) != "cpu0")
            return;
        // user nice system idle iowait irq softirq steal; guest and guest_nice are already in user and nice.
        std::array<std::uint64_t, 8> f{};
        std::size_t count = 0;
        for (; count < f.size(); ++count) {
            const std::optional<std::uint64_t> value = Number(NextWord(line));
            if (!value)
                break;
            f[count] = *value;
        }
        if (count < 4)
            return;
        ProcessorTimes t;
        t.idle = Sum(f[3], f[4]);
        t.user = Sum(f[0], f[1]);
        t.kernel = Sum(Sum(Sum(f[2], t.idle), Sum(f[5], f[6])), f[7]);
        times = t;
    });
    return times;
}

MemoryStatus MemoryStatusFromProcMeminfo(std::string_view text) {
    std::map<std::string, std::uint64_t, std::less<>> kb;
    EachLine(text, [&](std::string_view line) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return;
        std::string_view name = line.substr(0, colon);
        line.remove_prefix(colon + 1);
        name = NextWord(name);
        const std::optional<std::uint64_t> value = Number(NextWord(line));
        const std::string_view unit = NextWord(line);
        if (value && (unit == "kB" || unit.empty()) && kb.count(name) == 0)
            kb.emplace(name, *value);
    });
    const auto field = [&](std::string_view name) {
        const auto found = kb.find(name);
        return found == kb.end() ? 0 : found->second;
    };
    const auto bytes = [](std::uint64_t k) { return k > kMax / 1024 ? kMax : k * 1024; };
    const std::uint64_t available = kb.count("MemAvailable") != 0
                                        ? field("MemAvailable")
                                        : Sum(Sum(field("MemFree"), field("Buffers")), field("Cached"));
    MemoryStatus m;
    // Without the total nothing else means anything.
    if (field("MemTotal") == 0)
        return m;
    m.totalPhys = bytes(field("MemTotal"));
    m.availPhys = bytes(available);
    m.totalPageFile = Sum(m.totalPhys, bytes(field("SwapTotal")));
    m.availPageFile = Sum(m.availPhys, bytes(field("SwapFree")));
    return m;
}

}  // namespace dorv
