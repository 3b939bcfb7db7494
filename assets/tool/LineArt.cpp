#include "LineArt.h"

#include "dabwick/Regions.h"
#include "raster/Brush.h"
#include "raster/FloodFill.h"

namespace assets {

namespace {

// Grey from anti-aliased edges darker than this becomes line; lighter becomes paper.
constexpr int kInkThreshold = 160;

}  // namespace

raster::Bitmap lineArtFrom(const QImage& drawing)
{
    raster::Bitmap art(drawing.width(), drawing.height(), raster::kWhite);
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 0; x < drawing.width(); ++x) {
            if (qGray(drawing.pixel(x, y)) < kInkThreshold)
                art.setPixel(x, y, raster::kBlack);
        }
    }
    return art;
}

void closeSpecks(raster::Bitmap& art, int smallest)
{
    for (const dabwick::Region& region : dabwick::findRegions(art)) {
        if (region.area < smallest)
            raster::floodFillSurface(art, raster::Brush(raster::kBlack, raster::BrushStyle::Solid), region.seed);
    }
}

}  // namespace assets
