#pragma once

#include "raster/Bitmap.h"
#include "raster/Brush.h"
#include "raster/Colour.h"
#include "raster/Geometry.h"

namespace raster {

// Both fills spread through left, right, upper and lower neighbours only, so a 1-pixel diagonal
// line stops them. They return the rectangle they changed; nothing happens for a start outside the
// bitmap or a hollow brush.

// Border mode: paints with the brush every pixel connected to start without passing a pixel of the
// border colour; nothing when the start pixel has the border colour. The colours inside do not matter.
Rect floodFillBorder(Bitmap& target, const Brush& brush, Point start, Colour border);

// Surface mode: paints with the brush the area of the start pixel's colour connected to it.
Rect floodFillSurface(Bitmap& target, const Brush& brush, Point start);

}  // namespace raster
