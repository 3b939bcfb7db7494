#include "bench/BenchSupport.h"

#include "raster/Figures.h"

namespace bench {

namespace {

constexpr int kSquareSide = 20;

}  // namespace

raster::Bitmap openPage()
{
    return raster::Bitmap(kPadWidth, kPadHeight);
}

raster::Bitmap squaresPage()
{
    raster::Bitmap page = openPage();
    const raster::Pen pen(raster::kBlack, 1);
    for (int x = 0; x < kPadWidth; x += kSquareSide)
        raster::drawLine(page, pen, {x, 0}, {x, kPadHeight});
    for (int y = 0; y < kPadHeight; y += kSquareSide)
        raster::drawLine(page, pen, {0, y}, {kPadWidth, y});
    return page;
}

std::vector<raster::Point> squareSeeds()
{
    std::vector<raster::Point> seeds;
    for (int y = kSquareSide / 2; y < kPadHeight; y += kSquareSide) {
        for (int x = kSquareSide / 2; x < kPadWidth; x += kSquareSide)
            seeds.push_back({x, y});
    }
    return seeds;
}

}  // namespace bench
