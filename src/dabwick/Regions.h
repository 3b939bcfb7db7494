#pragma once

#include <vector>

#include "raster/Bitmap.h"
#include "raster/Geometry.h"

namespace dabwick {

// An area of non-black pixels joined through left, right, upper and lower neighbours and
// bounded by black, named by its seed: its first pixel in scan order (rows top to bottom,
// columns left to right).
struct Region {
    raster::Point seed;
    int area = 0;
};

// Every region of the picture, in scan order of their seeds.
std::vector<Region> findRegions(const raster::Bitmap& picture);

}  // namespace dabwick
