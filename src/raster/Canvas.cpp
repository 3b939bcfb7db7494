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

Rect Canvas::surfaceFill(Bitmap& target, Point start) const
{
    return floodFillSurface(target, brush_, start);
}

}  // namespace raster
