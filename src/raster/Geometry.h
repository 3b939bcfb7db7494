#pragma once

#include <algorithm>

namespace raster {

// A pixel position; y grows downwards, as in the bitmaps.
struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(Point, Point) = default;
};

// A pixel rectangle with right and bottom exclusive, so width is right - left. Drawing operations
// return the rectangle they changed, so that a view repaints no more than that.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect fromSize(int width, int height) { return {0, 0, width, height}; }

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    // Empty rectangles take no part, so a change rectangle can start empty and grow.
    Rect united(const Rect& other) const
    {
        if (other.empty())
            return *this;
        if (empty())
            return other;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
    }

    Rect intersected(const Rect& other) const
    {
        Rect r {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
        return r.empty() ? Rect {} : r;
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace raster
