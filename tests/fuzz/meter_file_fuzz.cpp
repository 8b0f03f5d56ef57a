// The whole program on the fake host with a fuzzed meter.ini: start, a few ticks, Quit; then start again from
// the saved file. The second run must load the very settings the first one saved, and its own save must leave
// the file byte for byte as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <variant>

#include "app/meter_events.h"
#include "app/meter_lifecycle.h"
#include "fake_host.h"
#include "ini_quirks.h"
#include "settings/settings_table.h"

namespace dorv::fuzz {
namespace {

struct Script {
    int ticks = 0;
    MemoryStatus memory{};
    double cpu = 0;
    LocalTime time{};
};

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "meter_file_fuzz: %s: %s\n", what, detail.c_str());
    std::abort();
}

// One run of the program: the file is meter.ini at the start; the record and the file at the end.
struct Run {
    MeterSettings settings;
    PixelPoint position;
    std::string file;
};

Run RunProgram(const std::string& file, const Script& script) {
    test::FakeMeter meter;
    meter.host.memory = script.memory;
    meter.host.time = script.time;
    for (int i = 0; i < script.ticks; ++i)
        meter.host.cpuReadings.push_back(script.cpu);
    meter.host.File("meter.ini") = file;
    RunEntryProcedure(meter.app);
    for (int i = 0; i < script.ticks; ++i)
        OnTimer(meter.app, TimerId::Timer1);
    const MeterSettings settings = meter.app.settings;
    const PixelPoint position = meter.host.Dial().position;
    OnMeterCloseRequest(meter.app);
    if (!meter.host.ended)
        Fail("the program did not end", "");
    return Run{settings, position, meter.host.File("meter.ini")};
}

// The first field, by its key, whose value differs; empty when the records agree.
std::string DifferentField(const MeterSettings& a, const MeterSettings& b) {
    for (SettingKey key : SettingsWriteOrder()) {
        const SettingDef& def = SettingDefinition(key);
        const bool same = std::visit(
            [&](auto field) {
                if constexpr (std::is_same_v<decltype(field), std::monostate>)
                    return true;
                else
                    return a.*field == b.*field;
            },
            def.field);
        if (!same)
            return def.name;
    }
    return {};
}

}  // namespace
}  // namespace dorv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorv;
    using namespace dorv::fuzz;
    FuzzedDataProvider input(data, size);
    Script script;
    script.ticks = input.ConsumeIntegralInRange(0, 4);
    script.memory.totalPhys = input.ConsumeIntegral<std::uint64_t>();
    script.memory.availPhys = input.ConsumeIntegral<std::uint64_t>();
    script.memory.totalPageFile = input.ConsumeIntegral<std::uint64_t>();
    script.memory.availPageFile = input.ConsumeIntegral<std::uint64_t>();
    script.cpu = input.ConsumeFloatingPointInRange(-10.0, 110.0);
    script.time = LocalTime{input.ConsumeIntegralInRange(0, 23), input.ConsumeIntegralInRange(0, 59),
                            input.ConsumeIntegralInRange(0, 59)};
    const std::string file = input.ConsumeRemainingBytesAsString();

    const Run first = RunProgram(file, script);
    // The first run has been checked for crashes; what follows needs a file the writer rewrites faithfully.
    if (HasRewriteQuirk(file))
        return 0;
    const Run second = RunProgram(first.file, script);
    const std::string field = DifferentField(first.settings, second.settings);
    if (!field.empty())
        Fail("a saved setting loads differently", field);
    if (second.position.x != first.position.x || second.position.y != first.position.y)
        Fail("the saved position loads elsewhere", "");
    if (second.file != first.file)
        Fail("saving the loaded settings again changed the file", "");
    return 0;
}
