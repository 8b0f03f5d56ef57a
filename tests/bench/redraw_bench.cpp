// What one redraw of the needle with its full afterimage trail costs through the fake host's drawing, at
// 100 % and 200 %: the core's share of every tick that moves the needle.
#include <benchmark/benchmark.h>

#include "app/move_needle.h"
#include "fake_host.h"

namespace dorv {
namespace {

void FullTrailRedraw(benchmark::State& state) {
    test::FakeMeter m;
    m.host.dpi = static_cast<int>(state.range(0));
    test::StartMeter(
        m, {"[View]", "Needle=0", "Needle_type=1", "Zanzo_view=1", "Zanzo_max=5", "[Movement]", "Move_quantity=1"});
    double target = 0;
    for (auto _ : state) {
        target = target >= 100 ? 0 : target + 7;
        MoveNeedle(m.app, target);  // a clear, five afterimages and the needle: 36 lines
        m.host.drawing.clear();
    }
    state.counters["lines"] = 36;
}

BENCHMARK(FullTrailRedraw)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dorv

BENCHMARK_MAIN();
