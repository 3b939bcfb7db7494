#pragma once

#include "raster/Bitmap.h"
#include "raster/Brush.h"
#include "raster/Geometry.h"
#include "raster/Pen.h"

namespace raster {

// The figures of the drawing tools. Each returns the rectangle of the bitmap it changed (empty when
// nothing); coordinates may lie far outside the bitmap, which clips. The pen covers each pixel of a
// figure once, so a not-xor figure drawn twice leaves the bitmap as it was, and the copy-mode figure
// covers exactly the pixels of the not-xor one.

// A line from `from` to `to` without its end point, in the pen's width, mode and colour (see lineSpans).
Rect drawLine(Bitmap& target, const Pen& pen, Point from, Point to);

// The outline of the box with corners `corner` and `oppositeCorner` (either order; right and bottom
// edges exclusive as for any pixel rectangle), the pen centred on it, the inside painted with the
// brush first. A box without width or height draws nothing.
Rect drawRectangle(Bitmap& target, const Pen& pen, const Brush& brush, Point corner, Point oppositeCorner);

// The ellipse inscribed in the box, drawn like drawRectangle.
Rect drawEllipse(Bitmap& target, const Pen& pen, const Brush& brush, Point corner, Point oppositeCorner);

// The box with corners rounded by quarters of an ellipse cornerWidth x cornerHeight (signs ignored,
// clamped to the box), drawn like drawRectangle.
Rect drawRoundRect(Bitmap& target, const Pen& pen, const Brush& brush, Point corner, Point oppositeCorner,
    int cornerWidth, int cornerHeight);

}  // namespace raster
