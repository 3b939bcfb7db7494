#include "raster/FloodFill.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "raster/Ink.h"
#include "raster/RowSearch.h"
#include "raster/ScanlineFill.h"

namespace raster {

namespace {

std::uint32_t keyOf(Colour c)
{
    return std::uint32_t(c.blue()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.red()) << 16;
}

// Which original pixels belong: those of the key colour (surface mode) or all others (border mode).
template <bool kInsideIsKey> struct PixelRow {
    const std::uint8_t* bytes;
    int width;
    std::uint32_t key;

    bool inside(int x) const { return fill::isSought<kInsideIsKey>(bytes, x, key); }
    int nextInside(int x, int end) const { return fill::findPixel<kInsideIsKey>(bytes, x, end, key); }
    int runEnd(int x) const { return fill::findPixel<!kInsideIsKey>(bytes, x, width, key); }
    int runStart(int x) const { return fill::findPixelBack<!kInsideIsKey>(bytes, 0, x, key); }
};

// Painting solid takes pixels out of the area by itself whenever the paint colour fails the test:
// then no visited mask is needed.
template <bool kInsideIsKey> class PaintedRegion {
public:
    PaintedRegion(Bitmap& target, Colour paint, std::uint32_t key)
        : target_(target)
        , paint_(paint)
        , key_(key)
    {
    }

    PixelRow<kInsideIsKey> row(int y) const { return {target_.row(y), target_.width(), key_}; }
    void take(int y, int x0, int x1) { fillRow(target_.row(y), x0, x1, paint_); }

private:
    Bitmap& target_;
    Colour paint_;
    std::uint32_t key_;
};

// A bit per pixel remembers what the fill took, for brushes whose paint still passes the test.
// Rows are cleared on first use, so filling a small area of a large picture costs only its rows.
class VisitedMask {
public:
    VisitedMask(int width, int height)
        : words_((std::size_t(width) + 63) / 64)
        , marks_(std::make_unique_for_overwrite<std::uint64_t[]>(words_ * std::size_t(height)))
        , cleared_(std::size_t(height), 0)
    {
    }

    std::uint64_t* row(int y)
    {
        std::uint64_t* words = marks_.get() + std::size_t(y) * words_;
        if (!cleared_[std::size_t(y)]) {
            std::fill(words, words + words_, 0);
            cleared_[std::size_t(y)] = 1;
        }
        return words;
    }
    static bool isMarked(const std::uint64_t* row, int x) { return row[x >> 6] >> (x & 63) & 1; }

    // Only for rows already handed out by row().
    void mark(int y, int x0, int x1)
    {
        std::uint64_t* row = marks_.get() + std::size_t(y) * words_;
        const int first = x0 >> 6;
        const int last = (x1 - 1) >> 6;
        const std::uint64_t head = ~std::uint64_t(0) << (x0 & 63);
        const std::uint64_t tail = ~std::uint64_t(0) >> (63 - ((x1 - 1) & 63));
        if (first == last) {
            row[first] |= head & tail;
            return;
        }
        row[first] |= head;
        std::fill(row + first + 1, row + last, ~std::uint64_t(0));
        row[last] |= tail;
    }

private:
    std::size_t words_;
    std::unique_ptr<std::uint64_t[]> marks_;
    std::vector<std::uint8_t> cleared_;
};

// Pixels the test lets in and the fill has not taken yet. The fill takes whole runs of the pixels
// the test lets in, so a run of them is either all taken or not at all: only its first pixel met
// needs the mask.
template <bool kInsideIsKey> struct MaskedRow {
    PixelRow<kInsideIsKey> pixels;
    const std::uint64_t* visited;

    bool inside(int x) const { return pixels.inside(x) && !VisitedMask::isMarked(visited, x); }
    int nextInside(int x, int end) const
    {
        for (;;) {
            x = pixels.nextInside(x, end);
            if (x == end || !VisitedMask::isMarked(visited, x))
                return x;
            x = std::min(pixels.runEnd(x), end);
        }
    }
    int runEnd(int x) const { return pixels.runEnd(x); }
    int runStart(int x) const { return pixels.runStart(x); }
};

// Any brush whose paint may pass the test: a hatch leaves the pixels between its lines as they were,
// and a solid colour may be the surface's or anything but the border's.
template <bool kInsideIsKey> class MaskedRegion {
public:
    MaskedRegion(Bitmap& target, const Brush& brush, std::uint32_t key)
        : target_(target)
        , brush_(brush)
        , solid_(brush.style() == BrushStyle::Solid)
        , key_(key)
        , visited_(target.width(), target.height())
    {
    }

    MaskedRow<kInsideIsKey> row(int y) { return {{target_.row(y), target_.width(), key_}, visited_.row(y)}; }
    void take(int y, int x0, int x1)
    {
        visited_.mark(y, x0, x1);
        if (solid_)
            fillRow(target_.row(y), x0, x1, brush_.colour());
        else
            inkBrush(target_, Span {y, x0, x1}, brush_);
    }

private:
    Bitmap& target_;
    const Brush& brush_;
    bool solid_;
    std::uint32_t key_;
    VisitedMask visited_;
};

template <class Region> Rect run(Bitmap& target, Region region, Point start)
{
    return fill::scanlineFill(region, target.width(), target.height(), start);
}

}  // namespace

Rect floodFillBorder(Bitmap& target, const Brush& brush, Point start, Colour border)
{
    if (!brush.paints() || !target.contains(start.x, start.y))
        return {};
    const std::uint32_t key = keyOf(border);
    if (brush.style() == BrushStyle::Solid && brush.colour() == border)
        return run(target, PaintedRegion<false>(target, border, key), start);
    return run(target, MaskedRegion<false>(target, brush, key), start);
}

Rect floodFillSurface(Bitmap& target, const Brush& brush, Point start)
{
    if (!brush.paints() || !target.contains(start.x, start.y))
        return {};
    const Colour surface = target.pixel(start.x, start.y);
    const std::uint32_t key = keyOf(surface);
    if (brush.style() != BrushStyle::Solid)
        return run(target, MaskedRegion<true>(target, brush, key), start);
    // Painting a surface its own colour changes nothing.
    if (brush.colour() == surface)
        return {};
    return run(target, PaintedRegion<true>(target, brush.colour(), key), start);
}

}  // namespace raster
