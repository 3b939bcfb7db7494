#include "raster/FloodFill.h"

#include <cstdint>
#include <algorithm>
#include <vector>

#include "raster/Ink.h"
#include "raster/ScanlineFill.h"

namespace raster {

namespace {

// A pixel's three bytes as one number, compared without building a Colour.
std::uint32_t keyAt(const std::uint8_t* row, int x)
{
    const std::uint8_t* p = row + std::size_t(x) * 3;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
}

std::uint32_t keyOf(Colour c)
{
    return std::uint32_t(c.blue()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.red()) << 16;
}

// Which original pixels belong: not the border colour, or exactly the surface colour.
struct NotColour {
    std::uint32_t key;
    bool operator()(std::uint32_t pixel) const { return pixel != key; }
};
struct IsColour {
    std::uint32_t key;
    bool operator()(std::uint32_t pixel) const { return pixel == key; }
};

// Painting solid takes pixels out of the area by itself whenever the paint colour fails the test:
// then no visited mask is needed.
template <class Test>
class PaintedRegion {
public:
    PaintedRegion(Bitmap& target, Colour paint, Test test) : target_(target), paint_(paint), test_(test) {}

    struct Row {
        const std::uint8_t* pixels;
        Test test;
        bool inside(int x) const { return test(keyAt(pixels, x)); }
    };
    Row row(int y) const { return {target_.row(y), test_}; }
    void take(int y, int x0, int x1) { fillRow(target_.row(y), x0, x1, paint_); }

private:
    Bitmap& target_;
    Colour paint_;
    Test test_;
};

// A byte per pixel remembers what the fill took, for brushes whose paint still passes the test.
// Rows are made on first use, so filling a small area of a large picture costs only its rows.
class VisitedMask {
public:
    VisitedMask(int width, int height) : width_(width), rows_(std::size_t(height)) {}

    const std::uint8_t* row(int y) { return rowBytes(y).data(); }
    void mark(int y, int x0, int x1) { std::fill(rowBytes(y).begin() + x0, rowBytes(y).begin() + x1, 1); }

private:
    std::vector<std::uint8_t>& rowBytes(int y)
    {
        std::vector<std::uint8_t>& bytes = rows_[std::size_t(y)];
        if (bytes.empty())
            bytes.assign(std::size_t(width_), 0);
        return bytes;
    }

    int width_;
    std::vector<std::vector<std::uint8_t>> rows_;
};

// Any brush, hatches included (they leave pixels between their lines unchanged and so still inside).
template <class Test>
class MaskedRegion {
public:
    MaskedRegion(Bitmap& target, const Brush& brush, Test test)
        : target_(target), brush_(brush), test_(test), visited_(target.width(), target.height())
    {
    }

    struct Row {
        const std::uint8_t* pixels;
        const std::uint8_t* visited;
        Test test;
        bool inside(int x) const { return !visited[x] && test(keyAt(pixels, x)); }
    };
    Row row(int y) { return {target_.row(y), visited_.row(y), test_}; }
    void take(int y, int x0, int x1)
    {
        visited_.mark(y, x0, x1);
        inkBrush(target_, Span {y, x0, x1}, brush_);
    }

private:
    Bitmap& target_;
    const Brush& brush_;
    Test test_;
    VisitedMask visited_;
};

// The common fill: a solid colour up to a different border colour. Only pixels that already have
// the paint colour need the mask to tell whether the fill took them.
class SolidBorderRegion {
public:
    SolidBorderRegion(Bitmap& target, Colour paint, Colour border)
        : target_(target), paint_(paint), paintKey_(keyOf(paint)), borderKey_(keyOf(border))
        , visited_(target.width(), target.height())
    {
    }

    struct Row {
        const std::uint8_t* pixels;
        const std::uint8_t* visited;
        std::uint32_t paintKey;
        std::uint32_t borderKey;
        bool inside(int x) const
        {
            const std::uint32_t pixel = keyAt(pixels, x);
            return pixel != borderKey && (pixel != paintKey || !visited[x]);
        }
    };
    Row row(int y) { return {target_.row(y), visited_.row(y), paintKey_, borderKey_}; }
    void take(int y, int x0, int x1)
    {
        visited_.mark(y, x0, x1);
        fillRow(target_.row(y), x0, x1, paint_);
    }

private:
    Bitmap& target_;
    Colour paint_;
    std::uint32_t paintKey_;
    std::uint32_t borderKey_;
    VisitedMask visited_;
};

template <class Region>
Rect run(Bitmap& target, Region region, Point start)
{
    return fill::scanlineFill(region, target.width(), target.height(), start);
}

}  // namespace

Rect floodFillBorder(Bitmap& target, const Brush& brush, Point start, Colour border)
{
    if (!brush.paints() || !target.contains(start.x, start.y))
        return {};
    const NotColour test {keyOf(border)};
    if (brush.style() != BrushStyle::Solid)
        return run(target, MaskedRegion(target, brush, test), start);
    if (brush.colour() == border)
        return run(target, PaintedRegion(target, brush.colour(), test), start);
    return run(target, SolidBorderRegion(target, brush.colour(), border), start);
}

Rect floodFillSurface(Bitmap& target, const Brush& brush, Point start)
{
    if (!brush.paints() || !target.contains(start.x, start.y))
        return {};
    const Colour surface = target.pixel(start.x, start.y);
    const IsColour test {keyOf(surface)};
    if (brush.style() != BrushStyle::Solid)
        return run(target, MaskedRegion(target, brush, test), start);
    // Painting a surface its own colour changes nothing.
    if (brush.colour() == surface)
        return {};
    return run(target, PaintedRegion(target, brush.colour(), test), start);
}

}  // namespace raster
