#pragma once

#include "raster/Bitmap.h"
#include "raster/Brush.h"
#include "raster/Colour.h"
#include "raster/Geometry.h"
#include "raster/Pen.h"

namespace raster {

// The drawing state that goes with one bitmap: its pen, its brush and its current point. It is held
// by value beside the bitmap it draws on (the pad and the line-art layer each have one) and is handed
// that bitmap on every call. Each call returns the rectangle of the bitmap it changed.
class Canvas {
public:
    Pen& pen() { return pen_; }
    const Pen& pen() const { return pen_; }
    Brush& brush() { return brush_; }
    const Brush& brush() const { return brush_; }

    Point currentPoint() const { return current_; }
    void moveTo(Point p) { current_ = p; }
    // Draws from the current point to p, leaving out p itself, and makes p the current point.
    Rect lineTo(Bitmap& target, Point p);

    Rect rectangle(Bitmap& target, Point corner, Point oppositeCorner) const;
    Rect ellipse(Bitmap& target, Point corner, Point oppositeCorner) const;
    Rect roundRect(Bitmap& target, Point corner, Point oppositeCorner, int cornerWidth, int cornerHeight) const;

    Rect floodFill(Bitmap& target, Point start, Colour border) const;
    Rect surfaceFill(Bitmap& target, Point start) const;

private:
    Pen pen_;
    Brush brush_;
    Point current_;
};

}  // namespace raster
