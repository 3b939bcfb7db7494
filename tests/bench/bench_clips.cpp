// What one stamp of a clip costs: the clip composed over the blank clip, as selecting does, and
// its black and white pixels written into both layers of a pad, without the undo record (timed
// on its own as undo/record).

#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include "dabwick/ClipPicture.h"
#include "dabwick/ClipStamp.h"

namespace {

// A clip of black rings on white ground over a red background, about as busy as the built-in ones.
raster::Bitmap ringsClip()
{
    raster::Bitmap clip(dabwick::kClipSize, dabwick::kClipSize, raster::Colour::rgb(255, 0, 0));
    for (int y = 0; y < clip.height(); ++y) {
        for (int x = 0; x < clip.width(); ++x) {
            const int d = (x - 32) * (x - 32) + (y - 32) * (y - 32);
            if (d < 30 * 30)
                clip.setPixel(x, y, (d / 40) % 3 == 0 ? raster::kBlack : raster::kWhite);
        }
    }
    return clip;
}

void stamp(benchmark::State& state)
{
    const raster::Bitmap clip = ringsClip();
    raster::Bitmap picture = bench::openPage();
    raster::Bitmap lineArt = bench::openPage();
    for (auto _ : state) {
        const raster::Bitmap composed = dabwick::composeClip(clip);
        dabwick::StampClip(picture, lineArt, composed, {300, 200});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(stamp)->Name("clip/stamp");

}  // namespace
