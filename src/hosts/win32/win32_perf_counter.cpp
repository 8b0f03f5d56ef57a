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
using PdhGetRawCounterValueFn = PDH_STATUS(WINAPI*)(PDH_HCOUNTER, LPDWORD, PPDH_RAW_COUNTER);
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

std::optional<ProcessorTimes> Win32PerfCounter::CollectProcessorTimes() {
    if (readsTimes_)
        return ReadProcessorZeroTimes();
    auto collect = Proc<PdhCollectQueryDataFn>(pdh_.get(), "PdhCollectQueryData");
    auto raw = Proc<PdhGetRawCounterValueFn>(pdh_.get(), "PdhGetRawCounterValue");
    if (!query_ || !counter_ || !collect || !raw)
        return std::nullopt;
    collect(query_);
    DWORD type = 0;
    PDH_RAW_COUNTER value{};
    if (raw(counter_, &type, &value) != ERROR_SUCCESS)
        return std::nullopt;
    if (value.CStatus != PDH_CSTATUS_VALID_DATA && value.CStatus != PDH_CSTATUS_NEW_DATA)
        return std::nullopt;
    // The counter is processor 0's idle time against the 100 ns clock: as times whose kernel share is the whole
    // clock, the core's busy share is the counter's own. Another type is not that counter: read the times instead.
    if (type != PERF_100NSEC_TIMER_INV) {
        readsTimes_ = true;
        return ReadProcessorZeroTimes();
    }
    return ProcessorTimes{static_cast<std::uint64_t>(value.FirstValue), static_cast<std::uint64_t>(value.SecondValue),
                          0};
}

void Win32PerfCounter::CloseProcessorQuery() {
    auto close = Proc<PdhCloseQueryFn>(pdh_.get(), "PdhCloseQuery");
    if (query_ && close)
        close(query_);
    query_ = nullptr;
    counter_ = nullptr;
    readsTimes_ = false;
}

}  // namespace dorv
