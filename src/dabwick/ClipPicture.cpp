#include "dabwick/ClipPicture.h"

#include "raster/Blit.h"

namespace dabwick {

raster::Bitmap blankClip()
{
    return raster::Bitmap(kClipSize, kClipSize, kBlankClipColour);
}

bool ClipIsValid(const raster::Bitmap& clipload)
{
    return clipload.width() == kClipSize && clipload.height() == kClipSize;
}

raster::Bitmap composeClip(const raster::Bitmap& picture)
{
    raster::Bitmap composed = blankClip();
    raster::drawTransparent(composed, {0, 0}, picture);
    return composed;
}

raster::Bitmap turnClip(const raster::Bitmap& composed, ClipTurn turn)
{
    constexpr int last = kClipSize - 1;
    raster::Bitmap imflip = blankClip();
    for (int y = 0; y < kClipSize && y < composed.height(); ++y) {
        for (int x = 0; x < kClipSize && x < composed.width(); ++x) {
            const raster::Colour c = composed.pixel(x, y);
            switch (turn) {
            case ClipTurn::FlipTopToBottom: imflip.setPixel(x, last - y, c); break;
            case ClipTurn::FlipLeftToRight: imflip.setPixel(last - x, y, c); break;
            case ClipTurn::Rotate: imflip.setPixel(last - y, x, c); break;
            }
        }
    }
    return composeClip(imflip);
}

}  // namespace dabwick
