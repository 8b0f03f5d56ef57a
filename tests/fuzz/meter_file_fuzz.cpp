// The whole program on the fake host with a fuzzed meter.ini: start, a few ticks, Quit; then start again from
// the saved file. The second run must load the very settings the first one saved, and its own save must leave
// the file byte for byte as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdlib>

#include "fake_host.h"
#include "ini_quirks.h"
#include "settings/settings_table.h"

namespace {

using namespace dorv;

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "meter_file_fuzz: %s: %s\n", what, detail.c_str());
    std::abort();
}

struct Script {
    int ticks;
    MemoryStatus memory;
    double cpu;
    LocalTime time;
};

// One run from this meter.ini: every setting and the position as loaded, then the file as saved.
std::pair<std::string, std::string> RunProgram(const std::string& file, const Script& script) {
    test::FakeMeter meter;
    meter.host.memory = script.memory;
    meter.host.time = script.time;
    meter.host.cpuReadings.assign(static_cast<std::size_t>(script.ticks), script.cpu);
    meter.host.File("meter.ini") = file;
    RunEntryProcedure(meter.app);
    for (int i = 0; i < script.ticks; ++i)
        OnTimer(meter.app, TimerId::Sample);
    std::string loaded = meter.host.DialAt();
    for (SettingKey key : SettingsWriteOrder())
        loaded += std::string(";") + SettingDefinition(key).name + "=" + FormatSetting(key, meter.app.settings);
    OnMeterCloseRequest(meter.app);
    return {loaded, meter.host.File("meter.ini")};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // Braced initialisers take the input in this order.
    const Script script{input.ConsumeIntegralInRange(0, 4),
                        {input.ConsumeIntegral<std::uint64_t>(), input.ConsumeIntegral<std::uint64_t>(),
                         input.ConsumeIntegral<std::uint64_t>(), input.ConsumeIntegral<std::uint64_t>()},
                        input.ConsumeFloatingPointInRange(-10.0, 110.0),
                        {input.ConsumeIntegralInRange(0, 23), input.ConsumeIntegralInRange(0, 59),
                         input.ConsumeIntegralInRange(0, 59)}};
    const std::string file = input.ConsumeRemainingBytesAsString();
    const auto [loaded, saved] = RunProgram(file, script);
    // The first run has been checked for crashes; what follows needs a file the writer rewrites faithfully.
    if (fuzz::HasRewriteQuirk(file))
        return 0;
    const auto [reloaded, resaved] = RunProgram(saved, script);
    if (reloaded != loaded)
        Fail("the saved settings load differently", loaded + "\n" + reloaded);
    if (resaved != saved)
        Fail("saving the loaded settings again changed the file", "");
    return 0;
}
