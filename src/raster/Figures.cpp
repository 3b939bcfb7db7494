#include "raster/Figures.h"

#include "raster/BoxFigure.h"
#include "raster/Ink.h"
#include "raster/LineFigure.h"

namespace raster {

namespace {

Rect drawBox(Bitmap& target, const Pen& pen, const Brush& brush, const BoxFigure& figure)
{
    const BoxFigure::Coverage coverage = figure.cover(pen.width(), target.width(), target.height());
    Rect changed = boundsOf(coverage.outline);
    if (brush.paints()) {
        inkBrush(target, coverage.inside, brush);
        changed = changed.united(boundsOf(coverage.inside));
    }
    inkPen(target, coverage.outline, pen);
    return changed;
}

}  // namespace

Rect drawLine(Bitmap& target, const Pen& pen, Point from, Point to)
{
    const SpanList spans = lineSpans(from, to, pen.width(), target.width(), target.height());
    inkPen(target, spans, pen);
    return boundsOf(spans);
}

Rect drawRectangle(Bitmap& target, const Pen& pen, const Brush& brush, Point corner, Point oppositeCorner)
{
    return drawBox(target, pen, brush, BoxFigure::rectangle(corner, oppositeCorner));
}

Rect drawEllipse(Bitmap& target, const Pen& pen, const Brush& brush, Point corner, Point oppositeCorner)
{
    return drawBox(target, pen, brush, BoxFigure::ellipse(corner, oppositeCorner));
}

Rect drawRoundRect(Bitmap& target, const Pen& pen, const Brush& brush, Point corner, Point oppositeCorner,
    int cornerWidth, int cornerHeight)
{
    return drawBox(target, pen, brush, BoxFigure::roundRect(corner, oppositeCorner, cornerWidth, cornerHeight));
}

}  // namespace raster
