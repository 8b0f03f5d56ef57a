#include <pdh.h>

#include <string>

#include "win32_host.h"

namespace dorv {
namespace {

using PdhOpenQueryAFn = PDH_STATUS(WINAPI*)(LPCSTR, DWORD_PTR, PDH_HQUERY*);
using PdhAddCounterAFn = PDH_STATUS(WINAPI*)(PDH_HQUERY, LPCSTR, DWORD_PTR, PDH_HCOUNTER*);
using PdhCollectQueryDataFn = PDH_STATUS(WINAPI*)(PDH_HQUERY);
using PdhGetFormattedCounterValueFn = PDH_STATUS(WINAPI*)(PDH_HCOUNTER, DWORD, LPDWORD, PPDH_FMT_COUNTERVALUE);
using PdhCloseQueryFn = PDH_STATUS(WINAPI*)(PDH_HQUERY);

template <typename Fn>
Fn Proc(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Only from the system folder: the program's own folder is writable and must not supply a DLL.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

void Win32Host::OpenProcessorQuery(const char* counterPath) {
    if (!pdh_)
        pdh_ = LoadSystemLibrary(L"pdh.dll");
    auto open = Proc<PdhOpenQueryAFn>(pdh_, "PdhOpenQueryA");
    // The English path works on every display language; older systems only know the localised call.
    auto addEnglish = Proc<PdhAddCounterAFn>(pdh_, "PdhAddEnglishCounterA");
    auto add = Proc<PdhAddCounterAFn>(pdh_, "PdhAddCounterA");
    PDH_HQUERY query = nullptr;
    if (!open || open(nullptr, 1, &query) != ERROR_SUCCESS)
        return;
    pdhQuery_ = query;
    PDH_HCOUNTER counter = nullptr;
    if (addEnglish && addEnglish(query, counterPath, 0, &counter) == ERROR_SUCCESS)
        pdhCounter_ = counter;
    else if (add && add(query, counterPath, 0, &counter) == ERROR_SUCCESS)
        pdhCounter_ = counter;
}

double Win32Host::CollectProcessorBusy() {
    auto collect = Proc<PdhCollectQueryDataFn>(pdh_, "PdhCollectQueryData");
    auto format = Proc<PdhGetFormattedCounterValueFn>(pdh_, "PdhGetFormattedCounterValue");
    if (!pdhQuery_ || !pdhCounter_ || !collect || !format)
        return 0.0;
    collect(pdhQuery_);
    PDH_FMT_COUNTERVALUE value{};
    // The first collection has no predecessor and gives no valid value: that reads as 0.
    if (format(pdhCounter_, PDH_FMT_DOUBLE, nullptr, &value) != ERROR_SUCCESS)
        return 0.0;
    return value.doubleValue;
}

void Win32Host::CloseProcessorQuery() {
    auto close = Proc<PdhCloseQueryFn>(pdh_, "PdhCloseQuery");
    if (pdhQuery_ && close)
        close(pdhQuery_);
    pdhQuery_ = nullptr;
    pdhCounter_ = nullptr;
}

}  // namespace dorv
