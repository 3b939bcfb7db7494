#pragma once

#include "raster/Bitmap.h"
#include "raster/Brush.h"
#include "raster/Colour.h"
#include "raster/Geometry.h"
#include "raster/Pen.h"

namespace raster {

// The drawing state that goes with one bitmap: its pen, its brush and its current point. It is held
// by value beside the bitmap it draws on and is handed that bitmap on every call. Each call returns
// the rectangle of the bitmap it changed.
class Canvas {
public:
    Pen& pen() { return pen_; }
    const Pen& pen() const { return pen_; }
    Brush& brush() { return brush_; }
    const Brush& brush() const { return brush_; }

    void moveTo(Point p) { current_ = p; }
    // Draws from the current point to p, leaving out p itself, and makes p the current point.
    Rect lineTo(Bitmap& target, Point p);

    Rect surfaceFill(Bitmap& target, Point start) const;

private:
    Pen pen_;
    Brush brush_;
    Point current_;
};

}  // namespace raster
