#pragma once

#include <vector>

#include "raster/Bitmap.h"
#include "raster/Geometry.h"

// Pictures shared by the benchmark files. Every benchmark is reported beside memcpy of one
// picture's bytes, the floor for any pass over a picture, and every fill beside OpenCV's fill of
// the same picture.
namespace bench {

inline constexpr int kPadWidth = 660;
inline constexpr int kPadHeight = 444;
// The benchmark that copies one picture's bytes with memcpy; every summary line is set beside it.
inline constexpr const char* kMemcpyReference = "memcpy/picture";

// A blank white page.
raster::Bitmap openPage();
// A page ruled into small closed squares by 1-pixel black lines; squareSeeds() gives a point in each.
raster::Bitmap squaresPage();
std::vector<raster::Point> squareSeeds();

}  // namespace bench
