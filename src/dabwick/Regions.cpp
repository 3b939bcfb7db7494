#include "dabwick/Regions.h"

#include <cstdint>

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

}  // namespace dabwick
