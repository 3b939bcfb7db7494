#include "dabwick/ClipStamp.h"

#include <algorithm>
#include <cstring>

namespace dabwick {

namespace {

// Pure black or pure white: the three bytes all 0 or all 255.
bool stampable(const std::uint8_t* p)
{
    return p[0] == p[1] && p[1] == p[2] && (p[0] == 0 || p[0] == 255);
}

}  // namespace

raster::Rect StampClip(raster::Bitmap& picture, raster::Bitmap& lineArt, const raster::Bitmap& clip, raster::Point at)
{
    const raster::Rect onPad = raster::Rect{at.x, at.y, at.x + clip.width(), at.y + clip.height()}
                                   .intersected(raster::Rect::fromSize(picture.width(), picture.height()))
                                   .intersected(raster::Rect::fromSize(lineArt.width(), lineArt.height()));
    for (int y = onPad.top; y < onPad.bottom; ++y) {
        const std::uint8_t* from = clip.row(y - at.y) + std::size_t(onPad.left - at.x) * 3;
        std::uint8_t* toPicture = picture.row(y) + std::size_t(onPad.left) * 3;
        std::uint8_t* toLineArt = lineArt.row(y) + std::size_t(onPad.left) * 3;
        for (int x = onPad.left; x < onPad.right; ++x, from += 3, toPicture += 3, toLineArt += 3) {
            if (!stampable(from))
                continue;
            std::memcpy(toPicture, from, 3);
            std::memcpy(toLineArt, from, 3);
        }
    }
    return onPad;
}

}  // namespace dabwick
