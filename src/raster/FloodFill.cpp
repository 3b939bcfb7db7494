#include "raster/FloodFill.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "raster/Ink.h"
#include "raster/ScanlineFill.h"

namespace raster {

namespace {

// A row's pixels read as numbers, blue in the low byte. One 4-byte load is cheaper than three byte
// loads; it reads a byte past the pixel, which exists everywhere but after the bitmap's last pixel.
struct PixelRow {
    static_assert(std::endian::native == std::endian::little);

    const std::uint8_t* bytes;
    int wideEnd;  // pixels before this column may be loaded four bytes at a time

    PixelRow(const Bitmap& bitmap, int y)
        : bytes(bitmap.row(y))
        , wideEnd(y + 1 < bitmap.height() ? bitmap.width() : bitmap.width() - 1)
    {
    }

    std::uint32_t at(int x) const
    {
        const std::uint8_t* p = bytes + std::size_t(x) * 3;
        if (x < wideEnd) {
            std::uint32_t v;
            std::memcpy(&v, p, 4);
            return v & 0xFFFFFFu;
        }
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
    }
};

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
template <class Test> class PaintedRegion {
public:
    PaintedRegion(Bitmap& target, Colour paint, Test test)
        : target_(target)
        , paint_(paint)
        , test_(test)
    {
    }

    struct Row {
        PixelRow pixels;
        Test test;
        bool inside(int x) const { return test(pixels.at(x)); }
    };
    Row row(int y) const { return {PixelRow(target_, y), test_}; }
    void take(int y, int x0, int x1) { fillRow(target_.row(y), x0, x1, paint_); }

private:
    Bitmap& target_;
    Colour paint_;
    Test test_;
};

// A byte per pixel remembers what the fill took, for brushes whose paint still passes the test.
// Rows are cleared on first use, so filling a small area of a large picture costs only its rows.
class VisitedMask {
public:
    VisitedMask(int width, int height)
        : width_(std::size_t(width))
        , marks_(std::make_unique_for_overwrite<std::uint8_t[]>(width_ * std::size_t(height)))
        , cleared_(std::size_t(height), false)
    {
    }

    std::uint8_t* row(int y)
    {
        std::uint8_t* bytes = marks_.get() + std::size_t(y) * width_;
        if (!cleared_[std::size_t(y)]) {
            std::memset(bytes, 0, width_);
            cleared_[std::size_t(y)] = true;
        }
        return bytes;
    }
    void mark(int y, int x0, int x1)
    {
        std::uint8_t* bytes = row(y);
        if (x1 - x0 == 1)
            bytes[x0] = 1;
        else
            std::memset(bytes + x0, 1, std::size_t(x1 - x0));
    }

private:
    std::size_t width_;
    std::unique_ptr<std::uint8_t[]> marks_;
    std::vector<bool> cleared_;
};

// Any brush, hatches included (they leave pixels between their lines unchanged and so still inside).
template <class Test> class MaskedRegion {
public:
    MaskedRegion(Bitmap& target, const Brush& brush, Test test)
        : target_(target)
        , brush_(brush)
        , test_(test)
        , visited_(target.width(), target.height())
    {
    }

    struct Row {
        PixelRow pixels;
        const std::uint8_t* visited;
        Test test;
        bool inside(int x) const { return !visited[x] && test(pixels.at(x)); }
    };
    Row row(int y) { return {PixelRow(target_, y), visited_.row(y), test_}; }
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
        : target_(target)
        , paint_(paint)
        , paintKey_(keyOf(paint))
        , borderKey_(keyOf(border))
        , visited_(target.width(), target.height())
    {
    }

    struct Row {
        PixelRow pixels;
        const std::uint8_t* visited;
        std::uint32_t paintKey;
        std::uint32_t borderKey;
        bool inside(int x) const
        {
            const std::uint32_t pixel = pixels.at(x);
            return pixel != borderKey && (pixel != paintKey || !visited[x]);
        }
    };
    Row row(int y) { return {PixelRow(target_, y), visited_.row(y), paintKey_, borderKey_}; }
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

template <class Region> Rect run(Bitmap& target, Region region, Point start)
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
