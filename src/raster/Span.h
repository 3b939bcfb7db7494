#pragma once

#include <vector>

#include "raster/Geometry.h"

namespace raster {

// A run of pixels on row y from x0 up to but not including x1. Figures and fills describe what they
// cover as spans, and only the inks turn spans into pixels.
struct Span {
    int y = 0;
    int x0 = 0;
    int x1 = 0;

    friend bool operator==(const Span&, const Span&) = default;
};

using SpanList = std::vector<Span>;

// The rectangle that a list of spans touches; empty for no spans.
inline Rect boundsOf(const SpanList& spans)
{
    Rect bounds;
    for (const Span& s : spans)
        bounds = bounds.united({s.x0, s.y, s.x1, s.y + 1});
    return bounds;
}

}  // namespace raster
