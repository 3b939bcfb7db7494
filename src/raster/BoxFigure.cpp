#include "raster/BoxFigure.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "raster/FigureMath.h"

namespace raster {

using namespace figure;

namespace {

// A core rectangle grown by an ellipse of semi-axes rx, ry: the Minkowski sum, in doubled units.
// A zero semi-axis means no growth on that axis, so a rectangle is a shape with rx = ry = 0.
struct BoxShape {
    std::int64_t x0, y0, x1, y1, rx, ry;
    bool empty = false;

    // The shape grown (d > 0) or shrunk (d < 0) by d. For circles this is exact; for other
    // ellipses it is the usual close approximation. Shrinking past a corner eats into the core.
    BoxShape inflated(std::int64_t d) const
    {
        BoxShape s = *this;
        s.rx += d;
        s.ry += d;
        if (s.rx < 0) {
            s.x0 -= s.rx;
            s.x1 += s.rx;
            s.rx = 0;
        }
        if (s.ry < 0) {
            s.y0 -= s.ry;
            s.y1 += s.ry;
            s.ry = 0;
        }
        s.empty = empty || s.x0 > s.x1 || s.y0 > s.y1;
        return s;
    }

    static std::int64_t gap(std::int64_t v, std::int64_t low, std::int64_t high)
    {
        return std::max<std::int64_t>({0, low - v, v - high});
    }

    bool covers(std::int64_t x, std::int64_t y) const
    {
        const std::int64_t gx = gap(x, x0, x1), gy = gap(y, y0, y1);
        if (rx == 0 || ry == 0)
            return (rx == 0 ? gx == 0 : gx < rx) && (ry == 0 ? gy == 0 : gy < ry);
        return Wide(gx) * gx * ry * ry + Wide(gy) * gy * rx * rx < Wide(rx) * rx * ry * ry;
    }

    // The covered pixels of row y, if any. The shape is symmetric about its centre, so a covered row
    // always covers the pixel at (or next to) the centre column.
    std::optional<Run> row(std::int64_t y) const
    {
        if (empty)
            return std::nullopt;
        const std::int64_t centreY = centreOf(y);
        const auto covers = [&](std::int64_t x) { return this->covers(centreOf(x), centreY); };
        std::int64_t seed = floorDiv(floorDiv(x0 + x1, 2) - 1, 2);
        if (!covers(seed) && !covers(++seed))
            return std::nullopt;
        const std::int64_t gy = gap(centreY, y0, y1);
        const double reach = (rx == 0 || ry == 0)
            ? double(rx)
            : double(rx) * std::sqrt(std::max(0.0, 1.0 - double(gy) * double(gy) / (double(ry) * double(ry))));
        const PixelRange guess = pixelsStrictlyBetween(x0 - std::int64_t(reach), x1 + std::int64_t(reach));
        return exactRun(seed, guess.first, guess.last, covers);
    }
};

}  // namespace

// Corners are clamped first, so that box sizes and corner sizes stay well inside int.
BoxFigure::BoxFigure(Point corner, Point oppositeCorner, int cornerWidth, int cornerHeight)
    : cornerWidth_(int(std::min<std::int64_t>(std::llabs(cornerWidth), 2 * kCoordinateLimit)))
    , cornerHeight_(int(std::min<std::int64_t>(std::llabs(cornerHeight), 2 * kCoordinateLimit)))
{
    const Point a = clampPoint(corner), b = clampPoint(oppositeCorner);
    box_ = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

BoxFigure BoxFigure::rectangle(Point corner, Point oppositeCorner)
{
    return {corner, oppositeCorner, 0, 0};
}

BoxFigure BoxFigure::ellipse(Point corner, Point oppositeCorner)
{
    const Point a = clampPoint(corner), b = clampPoint(oppositeCorner);
    return {a, b, std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

BoxFigure BoxFigure::roundRect(Point corner, Point oppositeCorner, int cornerWidth, int cornerHeight)
{
    return {corner, oppositeCorner, cornerWidth, cornerHeight};
}

BoxFigure::Coverage BoxFigure::cover(int penWidth, int width, int height) const
{
    if (box_.empty())
        return {};

    // The outline runs through the centres of the box's edge pixels; an even pen sits on the corners
    // above-left of them instead, so that it is exactly penWidth pixels thick.
    const std::int64_t shift = penWidth % 2 == 0 ? 1 : 0;
    const std::int64_t left = centreOf(box_.left) - shift, right = centreOf(box_.right - 1) - shift;
    const std::int64_t top = centreOf(box_.top) - shift, bottom = centreOf(box_.bottom - 1) - shift;
    // A corner ellipse w pixels wide has its outline through pixel centres w - 1 apart.
    const std::int64_t rx = std::clamp<std::int64_t>(cornerWidth_ - 1, 0, (right - left) / 2);
    const std::int64_t ry = std::clamp<std::int64_t>(cornerHeight_ - 1, 0, (bottom - top) / 2);
    const BoxShape path {left + rx, top + ry, right - rx, bottom - ry, rx, ry};
    const BoxShape outer = path.inflated(penWidth);
    const BoxShape inner = path.inflated(-penWidth);

    const PixelRange rows = pixelsStrictlyBetween(outer.y0 - outer.ry, outer.y1 + outer.ry);
    const std::int64_t firstRow = std::max<std::int64_t>(rows.first, 0);
    const std::int64_t lastRow = std::min<std::int64_t>(rows.last, height - 1);
    if (firstRow > lastRow)
        return {};

    // Outer runs of the visible rows and one row beyond each end, for the erosion below.
    std::vector<std::optional<Run>> outerRows;
    for (std::int64_t y = firstRow - 1; y <= lastRow + 1; ++y)
        outerRows.push_back(outer.row(y));

    Coverage coverage;
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        const std::size_t i = std::size_t(y - firstRow + 1);
        const std::optional<Run>& here = outerRows[i];
        if (!here)
            continue;
        // The inside must keep off pixels that touch the outside through a side, or a thin outline
        // would leak a 4-connected fill through its diagonal steps.
        std::optional<Run> inside = inner.row(y);
        const std::optional<Run>& above = outerRows[i - 1];
        const std::optional<Run>& below = outerRows[i + 1];
        if (inside && above && below) {
            inside->first = std::max({inside->first, here->first + 1, above->first, below->first});
            inside->last = std::min({inside->last, here->last - 1, above->last, below->last});
        }
        if (!inside || !above || !below || inside->first > inside->last) {
            appendClipped(coverage.outline, int(y), here->first, here->last, width);
            continue;
        }
        appendClipped(coverage.outline, int(y), here->first, inside->first - 1, width);
        appendClipped(coverage.outline, int(y), inside->last + 1, here->last, width);
        appendClipped(coverage.inside, int(y), inside->first, inside->last, width);
    }
    return coverage;
}

}  // namespace raster
