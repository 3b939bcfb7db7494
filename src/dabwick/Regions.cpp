#include "dabwick/Regions.h"

#include <cstdint>
#include <cstring>

#include "raster/Brush.h"
#include "raster/FloodFill.h"

namespace dabwick {

std::vector<Region> findRegions(const raster::Bitmap& picture)
{
    const int w = picture.width();
    const int h = picture.height();
    std::vector<std::uint8_t> seen(std::size_t(w) * std::size_t(h), 0);
    const auto index = [w](int x, int y) { return std::size_t(y) * std::size_t(w) + std::size_t(x); };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (picture.pixel(x, y) == raster::kBlack)
                seen[index(x, y)] = 1;
        }
    }

    std::vector<Region> regions;
    std::vector<raster::Point> stack;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (seen[index(x, y)])
                continue;
            // An explicit stack keeps a maze-shaped region from recursing deeply.
            Region region{{x, y}, 0};
            seen[index(x, y)] = 1;
            stack.push_back({x, y});
            while (!stack.empty()) {
                const raster::Point p = stack.back();
                stack.pop_back();
                ++region.area;
                const raster::Point next[4] = {{p.x - 1, p.y}, {p.x + 1, p.y}, {p.x, p.y - 1}, {p.x, p.y + 1}};
                for (const raster::Point n : next) {
                    if (picture.contains(n.x, n.y) && !seen[index(n.x, n.y)]) {
                        seen[index(n.x, n.y)] = 1;
                        stack.push_back(n);
                    }
                }
            }
            regions.push_back(region);
        }
    }
    return regions;
}

namespace {

// Line drawings are mostly white: eight white pixels at once are passed over with one compare.
constexpr int kBlockPixels = 8;
constexpr std::uint8_t kWhiteBlock[kBlockPixels * 3] = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

}  // namespace

std::vector<ColouredRegion> takeColouredRegions(raster::Bitmap& picture, const std::function<void(int row)>& beforeRow)
{
    std::vector<ColouredRegion> regions;
    const raster::Brush white(raster::kWhite, raster::BrushStyle::Solid);
    const int w = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        if (beforeRow)
            beforeRow(y);
        for (int x = 0; x < w;) {
            const std::uint8_t* p = picture.row(y) + std::size_t(x) * 3;
            if (x + kBlockPixels <= w && std::memcmp(p, kWhiteBlock, sizeof kWhiteBlock) == 0) {
                x += kBlockPixels;
                continue;
            }
            if (isColouredPixel(p)) {
                const raster::Colour colour = picture.pixel(x, y);
                regions.push_back({{x, y}, colour});
                // The region is all this one colour, so filling that colour is the border fill up to
                // black, and white paint leaves the area as it goes, with no record of visits to keep.
                raster::floodFillSurface(picture, white, {x, y});
            }
            ++x;
        }
    }
    return regions;
}

}  // namespace dabwick
