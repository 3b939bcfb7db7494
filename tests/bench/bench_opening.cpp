// The name screen must appear at once: reading the opening drawing and its region table is part
// of making it.

#include <benchmark/benchmark.h>

#include "dabwick/OpeningAnimation.h"
#include "dabwick/Resources.h"

namespace {

void loadOpening(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(dabwick::OpeningAnimation::builtIn(dabwick::builtInResources(), 1));
}
BENCHMARK(loadOpening)->Name("opening/read the drawing and its table");

}  // namespace
