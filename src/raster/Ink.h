#pragma once

#include <cstdint>

#include "raster/Bitmap.h"
#include "raster/Brush.h"
#include "raster/Pen.h"
#include "raster/Span.h"

namespace raster {

// The inks are the only code that changes pixels for figures and fills. Spans handed to them are
// already clipped to the bitmap; a figure hands each pixel over at most once, which is what lets a
// not-xor figure drawn twice restore the picture.

// Paints spans with the pen's colour in the pen's mode.
void inkPen(Bitmap& target, const SpanList& spans, const Pen& pen);

// Paints spans with the brush: all of a span when solid, the hatch lines of the 8 by 8 pattern when
// hatched, nothing when hollow.
void inkBrush(Bitmap& target, const SpanList& spans, const Brush& brush);
void inkBrush(Bitmap& target, const Span& span, const Brush& brush);

// Sets pixels [x0, x1) of one row to a colour; the flood fill's solid path calls it directly.
void fillRow(std::uint8_t* row, int x0, int x1, Colour colour);

}  // namespace raster
