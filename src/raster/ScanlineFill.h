#pragma once

#include <algorithm>
#include <vector>

#include "raster/Geometry.h"

// The flood fills' walk: an iterative scanline fill over runs of pixels. A region policy says which
// pixels belong and takes each run as soon as it is found, so no run is found twice and the stack,
// not the call depth, grows with the picture's shape.
//
// A Region provides:
//   Row row(int y)                  a cursor on bitmap row y with  bool inside(int x) const
//   void take(int y, int x0, int x1)  claims [x0, x1): afterwards inside() is false there
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
    if (!Rect::fromSize(width, height).contains(start) || !region.row(start.y).inside(start.x))
        return {};

    Rect changed {start.x, start.y, start.x + 1, start.y + 1};
    detail::PendingStack stack;
    // Claims every run of row y that meets columns a..b; runs touching the ends may reach beyond them.
    const auto scan = [&](int y, int a, int b, int dir, int parentX0, int parentX1) {
        if (y < 0 || y >= height || a > b)
            return;
        const auto row = region.row(y);
        int x = a;
        while (x <= b) {
            if (!row.inside(x)) {
                ++x;
                continue;
            }
            int first = x;
            if (first == a) {
                while (first > 0 && row.inside(first - 1))
                    --first;
            }
            while (x < width && row.inside(x))
                ++x;
            region.take(y, first, x);
            changed.left = std::min(changed.left, first);
            changed.right = std::max(changed.right, x);
            changed.top = std::min(changed.top, y);
            changed.bottom = std::max(changed.bottom, y + 1);
            stack.push({y, first, x - 1, dir, parentX0, parentX1});
            ++x;
        }
    };

    // The start run has no parent; a parent run past the right edge makes the back scan cover it all.
    scan(start.y, start.x, start.x, 1, width, width);
    while (!stack.empty()) {
        const Pending p = stack.pop();
        scan(p.y + p.dir, p.x0, p.x1, p.dir, p.x0, p.x1);
        // Back towards the parent only where this run reaches past the parent's run (tested here:
        // in a narrow corridor it seldom does, and the call is the cost).
        if (p.x0 < p.parentX0)
            scan(p.y - p.dir, p.x0, std::min(p.x1, p.parentX0 - 1), -p.dir, p.x0, p.x1);
        if (p.x1 > p.parentX1)
            scan(p.y - p.dir, std::max(p.x0, p.parentX1 + 1), p.x1, -p.dir, p.x0, p.x1);
    }
    return changed;
}

}  // namespace raster::fill
