#include "raster/Blit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

namespace raster {

namespace {

// Where area of source lands on target when its top-left corner goes to `at`, after clipping to both.
struct Placement {
    Rect onTarget;
    Point fromSource;  // source pixel that lands on onTarget's top-left corner
};

std::optional<Placement> place(const Bitmap& target, Point at, const Bitmap& source, Rect area)
{
    const Rect inSource = area.intersected(Rect::fromSize(source.width(), source.height()));
    if (inSource.empty())
        return std::nullopt;
    // In 64 bits: positions far off the target must not wrap round onto it.
    const std::int64_t dx = std::int64_t(at.x) - area.left, dy = std::int64_t(at.y) - area.top;
    const std::int64_t left = std::max<std::int64_t>(inSource.left + dx, 0);
    const std::int64_t top = std::max<std::int64_t>(inSource.top + dy, 0);
    const std::int64_t right = std::min<std::int64_t>(inSource.right + dx, target.width());
    const std::int64_t bottom = std::min<std::int64_t>(inSource.bottom + dy, target.height());
    if (left >= right || top >= bottom)
        return std::nullopt;
    return Placement {{int(left), int(top), int(right), int(bottom)}, {int(left - dx), int(top - dy)}};
}

}  // namespace

Rect copyRect(Bitmap& target, Point at, const Bitmap& source, Rect area)
{
    const std::optional<Placement> p = place(target, at, source, area);
    if (!p)
        return {};
    const std::size_t bytes = std::size_t(p->onTarget.width()) * 3;
    for (int y = 0; y < p->onTarget.height(); ++y) {
        // memmove: a bitmap may be copied onto itself.
        std::memmove(target.row(p->onTarget.top + y) + std::size_t(p->onTarget.left) * 3,
            source.row(p->fromSource.y + y) + std::size_t(p->fromSource.x) * 3, bytes);
    }
    return p->onTarget;
}

Rect copyBitmap(Bitmap& target, Point at, const Bitmap& source)
{
    return copyRect(target, at, source, Rect::fromSize(source.width(), source.height()));
}

Bitmap cropped(const Bitmap& source, Rect area)
{
    const Rect inSource = area.intersected(Rect::fromSize(source.width(), source.height()));
    Bitmap result(inSource.width(), inSource.height());
    copyRect(result, {0, 0}, source, inSource);
    return result;
}

Rect drawTransparent(Bitmap& target, Point at, const Bitmap& source)
{
    const std::optional<Placement> p = place(target, at, source, Rect::fromSize(source.width(), source.height()));
    if (!p)
        return {};
    const Colour clear = source.pixel(0, source.height() - 1);
    for (int y = 0; y < p->onTarget.height(); ++y) {
        for (int x = 0; x < p->onTarget.width(); ++x) {
            const Colour c = source.pixel(p->fromSource.x + x, p->fromSource.y + y);
            if (c != clear)
                target.setPixel(p->onTarget.left + x, p->onTarget.top + y, c);
        }
    }
    return p->onTarget;
}

}  // namespace raster
