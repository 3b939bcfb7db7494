#pragma once

#include "raster/Geometry.h"
#include "raster/Span.h"

namespace raster {

// The pixels a pen of the given width covers for a line from `from` to `to`, clipped to a bitmap of
// width x height, each pixel once. The end point is left out: a 1-pixel pen walks the Bresenham
// steps before it; a wider pen covers the segment grown by half its width with round ends, so a
// line to the next pixel is a round dot. A line to its own start covers nothing.
SpanList lineSpans(Point from, Point to, int penWidth, int width, int height);

}  // namespace raster
