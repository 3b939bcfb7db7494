#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "raster/Geometry.h"
#include "raster/Span.h"

// Shared arithmetic of the figure rasterisers. Figures work in doubled units, where pixel x has its
// centre at 2x + 1: a pen of even width sits on pixel corners, and that keeps every coordinate whole.
// Coverage tests are exact integers, so a figure's pixels never depend on rounding.
namespace raster::figure {

// Squares of doubled coordinates overflow 64 bits for far-away points; the exact tests need 128.
__extension__ typedef __int128 Wide;

// Far beyond any mouse position; keeps doubled coordinates and their products in range.
inline constexpr int kCoordinateLimit = 1 << 20;

inline Point clampPoint(Point p)
{
    return {std::clamp(p.x, -kCoordinateLimit, kCoordinateLimit), std::clamp(p.y, -kCoordinateLimit, kCoordinateLimit)};
}

inline std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Doubled coordinate of the centre of pixel index i.
inline std::int64_t centreOf(std::int64_t i)
{
    return 2 * i + 1;
}

// Inclusive range of pixel indices whose centres lie strictly between two doubled coordinates.
struct PixelRange {
    std::int64_t first = 0;
    std::int64_t last = -1;
};

inline PixelRange pixelsStrictlyBetween(std::int64_t low, std::int64_t high)
{
    // centre 2i + 1 > low  <=>  i >= floor((low - 1) / 2) + 1; centre < high likewise.
    return {floorDiv(low - 1, 2) + 1, floorDiv(high - 2, 2)};
}

// A covered run on one row, pixel indices inclusive.
struct Run {
    std::int64_t first = 0;
    std::int64_t last = 0;
};

// The exact run of a convex row set that contains pixel seed, starting from guessed ends that are
// at most a pixel or two off: the guesses come from floating point, the answer from covers().
template <class Covers> Run exactRun(std::int64_t seed, std::int64_t guessFirst, std::int64_t guessLast, Covers covers)
{
    std::int64_t first = std::min(guessFirst, seed);
    if (covers(first)) {
        while (covers(first - 1))
            --first;
    } else {
        while (!covers(first))
            ++first;
    }
    std::int64_t last = std::max(guessLast, seed);
    if (covers(last)) {
        while (covers(last + 1))
            ++last;
    } else {
        while (!covers(last))
            --last;
    }
    return {first, last};
}

// Appends the part of a run that lies on a bitmap row of the given width.
inline void appendClipped(SpanList& spans, int y, std::int64_t first, std::int64_t last, int width)
{
    const std::int64_t x0 = std::max<std::int64_t>(first, 0);
    const std::int64_t x1 = std::min<std::int64_t>(last + 1, width);
    if (x0 < x1)
        spans.push_back({y, int(x0), int(x1)});
}

}  // namespace raster::figure
