#include "raster/LineFigure.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "raster/FigureMath.h"

namespace raster {

using namespace figure;

namespace {

// Bresenham in closed form: step i moves the major axis by i and the minor by i * minor / major
// rounded to nearest, so only the steps whose major coordinate lies on the bitmap are walked.
SpanList thinLine(Point from, Point to, int width, int height)
{
    const std::int64_t dx = std::llabs(std::int64_t(to.x) - from.x);
    const std::int64_t dy = std::llabs(std::int64_t(to.y) - from.y);
    const bool xMajor = dx >= dy;
    const std::int64_t steps = xMajor ? dx : dy;
    const std::int64_t minor = xMajor ? dy : dx;
    const int majorSign = (xMajor ? to.x - from.x : to.y - from.y) >= 0 ? 1 : -1;
    const int minorSign = (xMajor ? to.y - from.y : to.x - from.x) >= 0 ? 1 : -1;
    const std::int64_t majorStart = xMajor ? from.x : from.y;
    const std::int64_t minorStart = xMajor ? from.y : from.x;
    const std::int64_t majorSize = xMajor ? width : height;
    const std::int64_t minorSize = xMajor ? height : width;

    // Steps whose major coordinate majorStart + majorSign * i lies in [0, majorSize).
    std::int64_t first = majorSign > 0 ? -majorStart : majorStart - majorSize + 1;
    std::int64_t last = majorSign > 0 ? majorSize - 1 - majorStart : majorStart;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, steps - 1);

    SpanList spans;
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t minorPos = minorStart + minorSign * ((2 * i * minor + steps) / (2 * steps));
        if (minorPos < 0 || minorPos >= minorSize)
            continue;
        const int x = int(xMajor ? majorStart + majorSign * i : minorPos);
        const int y = int(xMajor ? minorPos : majorStart + majorSign * i);
        // Steps along a row join the span before them, whichever way the line runs.
        if (!spans.empty() && spans.back().y == y && (spans.back().x1 == x || spans.back().x0 == x + 1)) {
            spans.back().x0 = std::min(spans.back().x0, x);
            spans.back().x1 = std::max(spans.back().x1, x + 1);
        } else {
            spans.push_back({y, x, x + 1});
        }
    }
    return spans;
}

// The segment a-b grown by radius r: pixel centres at a distance below r (all doubled units).
struct Stadium {
    std::int64_t ax, ay, bx, by, r;

    std::int64_t dx() const { return bx - ax; }
    std::int64_t dy() const { return by - ay; }

    bool covers(std::int64_t x, std::int64_t y) const
    {
        const std::int64_t vx = x - ax, vy = y - ay;
        const Wide along = Wide(vx) * dx() + Wide(vy) * dy();
        const Wide length2 = Wide(dx()) * dx() + Wide(dy()) * dy();
        if (along <= 0)
            return Wide(vx) * vx + Wide(vy) * vy < Wide(r) * r;
        if (along >= length2) {
            const std::int64_t wx = x - bx, wy = y - by;
            return Wide(wx) * wx + Wide(wy) * wy < Wide(r) * r;
        }
        const Wide across = Wide(dx()) * vy - Wide(dy()) * vx;
        return across * across < Wide(r) * r * length2;
    }

    // Floating-point ends of the covered part of the line at height y; low > high when it misses.
    void rowGuess(double y, double& low, double& high) const
    {
        low = std::numeric_limits<double>::infinity();
        high = -low;
        const auto addDisc = [&](double cx, double cy) {
            const double q = double(r) * double(r) - (y - cy) * (y - cy);
            if (q > 0) {
                low = std::min(low, cx - std::sqrt(q));
                high = std::max(high, cx + std::sqrt(q));
            }
        };
        addDisc(double(ax), double(ay));
        addDisc(double(bx), double(by));
        // The band between the caps: across the line within r, along it between the ends.
        const double ddx = double(dx()), ddy = double(dy()), rel = y - double(ay);
        double bandLow = -std::numeric_limits<double>::infinity(), bandHigh = -bandLow;
        const auto intersect = [&](double a, double b) {
            bandLow = std::max(bandLow, std::min(a, b));
            bandHigh = std::min(bandHigh, std::max(a, b));
        };
        if (ddx != 0)
            intersect(double(ax) - ddy * rel / ddx, double(ax) + (ddx * ddx + ddy * ddy - ddy * rel) / ddx);
        else if (rel * ddy <= 0 || rel * ddy >= ddy * ddy)
            return;
        const double reach = double(r) * std::hypot(ddx, ddy);
        if (ddy != 0) {
            const double centre = double(ax) + ddx * rel / ddy;
            intersect(centre - reach / std::abs(ddy), centre + reach / std::abs(ddy));
        } else if (std::abs(ddx * rel) >= reach) {
            return;
        }
        if (bandLow < bandHigh) {
            low = std::min(low, bandLow);
            high = std::max(high, bandHigh);
        }
    }
};

SpanList wideLine(Point from, Point to, int penWidth, int width, int height)
{
    // An even pen is centred on the corner above-left of the pixel, so that it covers exactly penWidth rows.
    const std::int64_t shift = penWidth % 2 == 0 ? 1 : 0;
    const Stadium stadium {
        centreOf(from.x) - shift, centreOf(from.y) - shift, centreOf(to.x) - shift, centreOf(to.y) - shift, penWidth};
    const PixelRange rows = pixelsStrictlyBetween(
        std::min(stadium.ay, stadium.by) - stadium.r, std::max(stadium.ay, stadium.by) + stadium.r);

    SpanList spans;
    for (std::int64_t y = std::max<std::int64_t>(rows.first, 0); y <= std::min<std::int64_t>(rows.last, height - 1);
         ++y) {
        const std::int64_t centreY = centreOf(y);
        double low = 0, high = 0;
        stadium.rowGuess(double(centreY), low, high);
        if (!(low <= high))
            continue;
        const auto covers = [&](std::int64_t x) { return stadium.covers(centreOf(x), centreY); };
        const std::int64_t middle = floorDiv(std::int64_t(std::floor((low + high) / 2)) - 1, 2);
        // The middle of a guessed run is covered unless the run is under a pixel wide.
        std::int64_t seed = middle;
        if (!covers(seed))
            seed = middle + 1;
        if (!covers(seed))
            seed = middle - 1;
        if (!covers(seed))
            continue;
        const PixelRange guess = pixelsStrictlyBetween(std::int64_t(std::ceil(low)), std::int64_t(std::floor(high)));
        const Run run = exactRun(seed, guess.first, guess.last, covers);
        appendClipped(spans, int(y), run.first, run.last, width);
    }
    return spans;
}

}  // namespace

SpanList lineSpans(Point from, Point to, int penWidth, int width, int height)
{
    from = clampPoint(from);
    to = clampPoint(to);
    if (from == to)
        return {};
    return penWidth <= 1 ? thinLine(from, to, width, height) : wideLine(from, to, penWidth, width, height);
}

}  // namespace raster
