#pragma once

#include <algorithm>
#include <span>
#include <vector>

#include "raster/Geometry.h"

// The flood fills' walk: an iterative scanline fill over runs of pixels. A region policy says which
// pixels belong and takes each run as soon as it is found, so no run is found twice and the stack,
// not the call depth, grows with the picture's shape.
//
// A Region provides:
//   Row row(int y)                    a cursor on bitmap row y that finds runs of pixels inside:
//       bool inside(int x)                whether pixel x is inside
//       int nextInside(int x, int end)    the first inside pixel of [x, end), or end
//       int runEnd(int x)                 the first pixel from x on that is not inside, or the width
//       int runStart(int x)               the leftmost s <= x with every pixel of [s, x) inside
//   void take(int y, int x0, int x1)  claims [x0, x1): afterwards those pixels are not inside
namespace raster::fill {

namespace detail {

// A run found on row y (x0..x1 inclusive) from row y - dir, whose run there was parentX0..parentX1.
struct Pending {
    int y;
    int x0;
    int x1;
    int dir;
    int parentX0;
    int parentX1;
};

// The pending runs. Pushing is the inner loop of thin shapes, so growth is kept out of its way.
class PendingStack {
public:
    bool empty() const { return size_ == 0; }
    void push(const Pending& p)
    {
        if (size_ == items_.size())
            items_.resize(std::max<std::size_t>(256, items_.size() * 2));
        items_[size_++] = p;
    }
    Pending pop() { return items_[--size_]; }

private:
    std::vector<Pending> items_;
    std::size_t size_ = 0;
};

}  // namespace detail

template <class Region> Rect scanlineFill(Region& region, int width, int height, Point start)
{
    using detail::Pending;
    if (!Rect::fromSize(width, height).contains(start)
        || region.row(start.y).nextInside(start.x, start.x + 1) != start.x)
        return {};

    Rect changed {start.x, start.y, start.x + 1, start.y + 1};
    detail::PendingStack stack;
    // The run found last is held back from the stack, since it is the one taken next: in a thin
    // corridor that is every run, and a stack round trip per pixel would be the fill's main cost.
    Pending held {};
    bool holding = false;
    // The rows to scan for a run: each claims every run of row y that meets columns a..b (runs
    // touching the ends may reach beyond them) and records it with the run it was found from. The
    // start row is found from a run past the right edge, so that the back scan covers all of it.
    struct Scan {
        int y, a, b, dir, parentX0, parentX1;
    };
    Scan scans[3] = {{start.y, start.x, start.x, 1, width, width}};
    int scanCount = 1;
    for (;;) {
        for (const Scan& s : std::span(scans, std::size_t(scanCount))) {
            if (s.y < 0 || s.y >= height)
                continue;
            const auto row = region.row(s.y);
            int x = row.nextInside(s.a, s.b + 1);
            if (x > s.b)
                continue;
            int first = x == s.a ? row.runStart(x) : x;
            for (;;) {
                const int end = row.runEnd(x + 1);
                region.take(s.y, first, end);
                changed.left = std::min(changed.left, first);
                changed.right = std::max(changed.right, end);
                changed.top = std::min(changed.top, s.y);
                changed.bottom = std::max(changed.bottom, s.y + 1);
                if (holding)
                    stack.push(held);
                held = {s.y, first, end - 1, s.dir, s.parentX0, s.parentX1};
                holding = true;
                // The pixel at end is not inside, so the next run begins one further on at the earliest.
                if (end + 1 > s.b)
                    break;
                x = first = row.nextInside(end + 1, s.b + 1);
                if (x > s.b)
                    break;
            }
        }
        if (!holding && stack.empty())
            return changed;
        Pending p = holding ? held : stack.pop();
        holding = false;
        // A one-pixel run that its parent covers needs no back scan. While the next pixel of its
        // column (the way the fill goes) is inside and neither of its neighbours is, it is that row's
        // only run: take it here as the general scan would, for a fraction of the cost (a corridor
        // a pixel wide is nothing but such runs).
        while (p.x0 == p.x1 && p.parentX0 <= p.x0 && p.x1 <= p.parentX1) {
            const int y = p.y + p.dir;
            const int x = p.x0;
            if (y < 0 || y >= height)
                break;
            const auto row = region.row(y);
            if (!row.inside(x) || (x > 0 && row.inside(x - 1)) || (x + 1 < width && row.inside(x + 1)))
                break;
            region.take(y, x, x + 1);
            changed.top = std::min(changed.top, y);
            changed.bottom = std::max(changed.bottom, y + 1);
            p = {y, x, x, p.dir, x, x};
        }
        scanCount = 0;
        scans[scanCount++] = {p.y + p.dir, p.x0, p.x1, p.dir, p.x0, p.x1};
        // Back towards the parent only where this run reaches past the parent's run.
        if (p.x0 < p.parentX0)
            scans[scanCount++] = {p.y - p.dir, p.x0, std::min(p.x1, p.parentX0 - 1), -p.dir, p.x0, p.x1};
        if (p.x1 > p.parentX1)
            scans[scanCount++] = {p.y - p.dir, std::max(p.x0, p.parentX1 + 1), p.x1, -p.dir, p.x0, p.x1};
    }
}

}  // namespace raster::fill
