#include "raster/Canvas.h"

#include "raster/Figures.h"
#include "raster/FloodFill.h"

namespace raster {

Rect Canvas::lineTo(Bitmap& target, Point p)
{
    const Rect changed = drawLine(target, pen_, current_, p);
    current_ = p;
    return changed;
}

Rect Canvas::rectangle(Bitmap& target, Point corner, Point oppositeCorner) const
{
    return drawRectangle(target, pen_, brush_, corner, oppositeCorner);
}

Rect Canvas::ellipse(Bitmap& target, Point corner, Point oppositeCorner) const
{
    return drawEllipse(target, pen_, brush_, corner, oppositeCorner);
}

Rect Canvas::roundRect(Bitmap& target, Point corner, Point oppositeCorner, int cornerWidth, int cornerHeight) const
{
    return drawRoundRect(target, pen_, brush_, corner, oppositeCorner, cornerWidth, cornerHeight);
}

Rect Canvas::floodFill(Bitmap& target, Point start, Colour border) const
{
    return floodFillBorder(target, brush_, start, border);
}

Rect Canvas::surfaceFill(Bitmap& target, Point start) const
{
    return floodFillSurface(target, brush_, start);
}

}  // namespace raster
