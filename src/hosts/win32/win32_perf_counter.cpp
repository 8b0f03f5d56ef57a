#include <pdh.h>
#include <pdhmsg.h>

#include <array>
#include <optional>

#include "win32_perf_counter.h"
#include "win32_system_library.h"

namespace dorv {
namespace {

using PdhOpenQueryAFn = PDH_STATUS(WINAPI*)(LPCSTR, DWORD_PTR, PDH_HQUERY*);
using PdhAddCounterAFn = PDH_STATUS(WINAPI*)(PDH_HQUERY, LPCSTR, DWORD_PTR, PDH_HCOUNTER*);
using PdhCollectQueryDataFn = PDH_STATUS(WINAPI*)(PDH_HQUERY);
using PdhGetFormattedCounterValueFn = PDH_STATUS(WINAPI*)(PDH_HCOUNTER, DWORD, LPDWORD, PPDH_FMT_COUNTERVALUE);
using PdhCloseQueryFn = PDH_STATUS(WINAPI*)(PDH_HQUERY);
using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

// One processor's record of the system information class below; the first three times are the ones used.
struct ProcessorPerformanceRecord {
    LARGE_INTEGER idleTime;
    LARGE_INTEGER kernelTime;  // includes the idle time
    LARGE_INTEGER userTime;
    LARGE_INTEGER dpcTime;
    LARGE_INTEGER interruptTime;
    ULONG interruptCount;
};
static_assert(sizeof(ProcessorPerformanceRecord) == 48);
constexpr ULONG kSystemProcessorPerformanceInformation = 8;
// Room for a full processor group; the call fills the first records and says how many bytes it wrote.
constexpr std::size_t kMaxProcessorRecords = 64;

std::optional<ProcessorTimes> ReadProcessorZeroTimes() {
    auto query = Proc<NtQuerySystemInformationFn>(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation");
    if (!query)
        return std::nullopt;
    std::array<ProcessorPerformanceRecord, kMaxProcessorRecords> records{};
    ULONG written = 0;
    LONG status =
        query(kSystemProcessorPerformanceInformation, records.data(), static_cast<ULONG>(sizeof records), &written);
    if (status < 0 || written < sizeof(ProcessorPerformanceRecord))
        return std::nullopt;
    const ProcessorPerformanceRecord& zero = records[0];
    return ProcessorTimes{static_cast<std::uint64_t>(zero.idleTime.QuadPart),
                          static_cast<std::uint64_t>(zero.kernelTime.QuadPart),
                          static_cast<std::uint64_t>(zero.userTime.QuadPart)};
}

}  // namespace

void Win32PerfCounter::OpenProcessorQuery(const char* counterPath) {
    CloseProcessorQuery();
    if (!pdh_)
        pdh_.reset(LoadSystemLibrary(L"pdh.dll"));
    auto open = Proc<PdhOpenQueryAFn>(pdh_.get(), "PdhOpenQueryA");
    // The English path works on every display language; older systems only know the localised call.
    auto addEnglish = Proc<PdhAddCounterAFn>(pdh_.get(), "PdhAddEnglishCounterA");
    auto add = Proc<PdhAddCounterAFn>(pdh_.get(), "PdhAddCounterA");
    PDH_HQUERY query = nullptr;
    if (open && open(nullptr, 1, &query) == ERROR_SUCCESS) {
        // Kept even without a counter, so the query has its one release point in CloseProcessorQuery.
        query_ = query;
        PDH_HCOUNTER counter = nullptr;
        if (addEnglish && addEnglish(query, counterPath, 0, &counter) == ERROR_SUCCESS)
            counter_ = counter;
        else if (add && add(query, counterPath, 0, &counter) == ERROR_SUCCESS)
            counter_ = counter;
    }
    // No counter (Wine has none for one processor; older localised systems reject the English name): read
    // processor 0's times instead.
    readsTimes_ = counter_ == nullptr;
}

double Win32PerfCounter::CollectProcessorBusy() {
    if (readsTimes_) {
        std::optional<ProcessorTimes> times = ReadProcessorZeroTimes();
        return times ? times_.Next(*times) : 0.0;
    }
    auto collect = Proc<PdhCollectQueryDataFn>(pdh_.get(), "PdhCollectQueryData");
    auto format = Proc<PdhGetFormattedCounterValueFn>(pdh_.get(), "PdhGetFormattedCounterValue");
    if (!query_ || !counter_ || !collect || !format)
        return 0.0;
    collect(query_);
    PDH_FMT_COUNTERVALUE value{};
    // The first collection has no predecessor and gives no valid value: that reads as 0.
    if (format(counter_, PDH_FMT_DOUBLE, nullptr, &value) != ERROR_SUCCESS)
        return 0.0;
    if (value.CStatus != PDH_CSTATUS_VALID_DATA && value.CStatus != PDH_CSTATUS_NEW_DATA)
        return 0.0;
    return value.doubleValue;
}

void Win32PerfCounter::CloseProcessorQuery() {
    auto close = Proc<PdhCloseQueryFn>(pdh_.get(), "PdhCloseQuery");
    if (query_ && close)
        close(query_);
    query_ = nullptr;
    counter_ = nullptr;
    readsTimes_ = false;
    times_.Reset();
}

}  // namespace dorv
