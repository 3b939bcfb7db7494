#pragma once

#include "raster/Bitmap.h"
#include "raster/Geometry.h"

namespace raster {

// Whole-bitmap transfers. Positions may put the source partly or wholly off the target: what falls
// off is dropped. Each returns the rectangle of the target it changed.

// Copies source onto target, pixel for pixel, with source's top-left corner at `at`.
Rect copyBitmap(Bitmap& target, Point at, const Bitmap& source);

// Copies the area of source onto target with the area's top-left corner at `at`. Parts of the area
// off the source are not copied; the rest lands where it would have with them.
Rect copyRect(Bitmap& target, Point at, const Bitmap& source, Rect area);

// A new bitmap holding the part of area that lies on source (empty when none does).
Bitmap cropped(const Bitmap& source, Rect area);

// Copies source onto target at `at` except the pixels of the exact colour of source's bottom-left
// pixel, which leave target as it was: clips are drawn this way over the picture.
Rect drawTransparent(Bitmap& target, Point at, const Bitmap& source);

}  // namespace raster
