#pragma once

#include <string>
#include <vector>

#include "raster/Bitmap.h"
#include "raster/Geometry.h"

// Pictures and bookkeeping shared by the benchmark files. Every benchmark is reported beside
// memcpy of one picture's bytes, the floor for any pass over a picture; a benchmark may name one
// more reference (OpenCV doing the same work) with a Beside entry in its own file.
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

struct Reference {
    std::string benchmark;
    std::string reference;
    std::string label;
};

// Registers a reference for the summary; used as a namespace-scope constant in a benchmark file.
struct Beside {
    Beside(std::string benchmark, std::string reference, std::string label);
};

const std::vector<Reference>& references();

}  // namespace bench
