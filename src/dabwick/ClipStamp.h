#pragma once

#include "raster/Bitmap.h"
#include "raster/Geometry.h"

namespace dabwick {

// Stamps the composed clip with its top-left corner at `at` (pad coordinates, which may lie off
// the pad): its pure black and pure white pixels go into the picture and the line-art layer
// alike, so a stamp gives black outlines on white ground that the child colours afterwards.
// Every other colour leaves the picture as it was; what hangs over the pad's edge is dropped.
// Returns the part of the pad it wrote into.
raster::Rect StampClip(raster::Bitmap& picture, raster::Bitmap& lineArt, const raster::Bitmap& clip, raster::Point at);

}  // namespace dabwick
