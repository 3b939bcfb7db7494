#pragma once

#include <functional>
#include <vector>

#include "raster/Bitmap.h"
#include "raster/Colour.h"
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

// A region as the animation keeps it: its seed and the colour it is filled with.
struct ColouredRegion {
    raster::Point seed;
    raster::Colour colour;
    friend bool operator==(const ColouredRegion&, const ColouredRegion&) = default;
};

// Every region whose pixels are coloured (neither black nor white), in scan order of their seeds,
// each filled white, so the picture is left as its line drawing. Expects a picture that the
// outline pass has been over: its regions are then each of one colour, and filling them white
// is the same as the border fill from each seed. `beforeRow` runs before each row is whitened.
std::vector<ColouredRegion> takeColouredRegions(raster::Bitmap& picture, const std::function<void(int row)>& beforeRow);

}  // namespace dabwick
