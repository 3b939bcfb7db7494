#pragma once

#include "raster/Geometry.h"
#include "raster/Span.h"

namespace raster {

// Rectangle, ellipse and rounded rectangle are one figure: a box whose corners are quarters of an
// ellipse. The rectangle has no corner ellipse, the ellipse has one as large as the box; only that
// size differs between them. Corners may come in either order; magnitudes of corner sizes count.
class BoxFigure {
public:
    static BoxFigure rectangle(Point corner, Point oppositeCorner);
    // The ellipse inscribed in the box.
    static BoxFigure ellipse(Point corner, Point oppositeCorner);
    // cornerWidth and cornerHeight are the size of the ellipse whose quarters round the corners.
    static BoxFigure roundRect(Point corner, Point oppositeCorner, int cornerWidth, int cornerHeight);

    // What drawing the figure on a width x height bitmap covers: the outline with the pen centred on
    // it, and the inside left within it for the brush. Each pixel appears once in all of it.
    struct Coverage {
        SpanList outline;
        SpanList inside;
    };
    Coverage cover(int penWidth, int width, int height) const;

private:
    BoxFigure(Point corner, Point oppositeCorner, int cornerWidth, int cornerHeight);

    // Pixels left..right-1 and top..bottom-1 carry the outline of a 1-pixel pen.
    Rect box_;
    int cornerWidth_ = 0;
    int cornerHeight_ = 0;
};

}  // namespace raster
