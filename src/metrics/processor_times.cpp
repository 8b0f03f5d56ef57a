#include "metrics/processor_times.h"

namespace dorv {

double BusyPercent(const ProcessorTimes& previous, const ProcessorTimes& current) {
    // A time going back (a reset or a wrap) gives no usable interval.
    if (current.idle < previous.idle || current.kernel < previous.kernel || current.user < previous.user)
        return 0.0;
    std::uint64_t idle = current.idle - previous.idle;
    std::uint64_t total = (current.kernel - previous.kernel) + (current.user - previous.user);
    if (total == 0 || idle >= total)
        return 0.0;
    return 100.0 * static_cast<double>(total - idle) / static_cast<double>(total);
}

double ProcessorTimesSeries::Next(const ProcessorTimes& current) {
    const double busy = previous ? BusyPercent(*previous, current) : 0.0;
    previous = current;
    return busy;
}

}  // namespace dorv
