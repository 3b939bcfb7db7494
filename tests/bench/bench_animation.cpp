// The animation's preparation without its fixed pauses: the outline pass and the region pass on
// a colouring page whose 90 areas are all coloured in strong colours (many with a channel at 0),
// as a child's finished picture would be.

#include <benchmark/benchmark.h>

#include "dabwick/LayerPasses.h"
#include "dabwick/Regions.h"
#include "dabwick/Resources.h"
#include "raster/BmpCodec.h"
#include "raster/Brush.h"
#include "raster/FloodFill.h"

namespace {

raster::Bitmap colouredPage()
{
    raster::Bitmap page = *raster::readBmp(dabwick::builtInResources().find("page10", "image")->bytes).value;
    const std::uint32_t colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0x80C0FF, 0x0080FF};
    std::size_t next = 0;
    for (const dabwick::Region& region : dabwick::findRegions(page)) {
        const raster::Brush brush(raster::Colour(colours[next++ % std::size(colours)]), raster::BrushStyle::Solid);
        raster::floodFillBorder(page, brush, region.seed, raster::kBlack);
    }
    return page;
}

void preparationPasses(benchmark::State& state)
{
    const raster::Bitmap picture = colouredPage();
    raster::Bitmap outline;
    std::size_t regions = 0;
    for (auto _ : state) {
        outline = picture;  // the copy preparation works on, into the buffer it already has
        dabwick::outlineColours(outline, nullptr, {});
        regions = dabwick::takeColouredRegions(outline, {}).size();
        benchmark::DoNotOptimize(outline.row(0));
    }
    state.counters["regions"] = double(regions);
}
BENCHMARK(preparationPasses)->Name("animation/preparation passes, 90 areas");

}  // namespace
