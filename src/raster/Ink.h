#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

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

// Sets pixels [x0, x1) of one row to a colour. Inline: the flood fill's solid path calls it for
// every run, and in thin corridors most runs are a pixel or two.
inline void fillRow(std::uint8_t* row, int x0, int x1, Colour colour)
{
    if (x1 <= x0)
        return;
    std::uint8_t* p = row + std::size_t(x0) * 3;
    p[0] = colour.blue();
    p[1] = colour.green();
    p[2] = colour.red();
    // Doubling copies: a long span costs a handful of memcpy calls instead of a byte loop.
    const std::size_t total = std::size_t(x1 - x0) * 3;
    for (std::size_t done = 3; done < total; done *= 2)
        std::memcpy(p + done, p, std::min(done, total - done));
}

}  // namespace raster
