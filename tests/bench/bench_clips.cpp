// One stamp: the clip composed as selecting does it and written into both layers (undo: undo/record).

#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include "dabwick/ClipPicture.h"
#include "dabwick/ClipStamp.h"

namespace {

void stamp(benchmark::State& state)
{
    raster::Bitmap clip(dabwick::kClipSize, dabwick::kClipSize, raster::Colour::rgb(255, 0, 0));
    for (int y = 4; y < 60; ++y)
        for (int x = 4; x < 60; ++x)
            clip.setPixel(x, y, (x + y) % 3 ? raster::kWhite : raster::kBlack);
    raster::Bitmap picture = bench::openPage();
    raster::Bitmap lineArt = bench::openPage();
    for (auto _ : state) {
        dabwick::StampClip(picture, lineArt, dabwick::composeClip(clip), {300, 200});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(stamp)->Name("clip/stamp");

}  // namespace
