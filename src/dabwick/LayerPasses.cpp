#include "dabwick/LayerPasses.h"

#include <cstring>

namespace dabwick {

namespace {

bool isBlack(const std::uint8_t* p)
{
    return (p[0] | p[1] | p[2]) == 0;
}

bool same(const std::uint8_t* a, const std::uint8_t* b)
{
    return std::memcmp(a, b, 3) == 0;
}

void setBlack(std::uint8_t* p)
{
    p[0] = p[1] = p[2] = 0;
}

raster::Rect inside(const raster::Bitmap& bitmap, raster::Rect area)
{
    return area.intersected(raster::Rect::fromSize(bitmap.width(), bitmap.height()));
}

void frame(raster::Bitmap& bitmap)
{
    const int w = bitmap.width();
    const int h = bitmap.height();
    std::memset(bitmap.row(0), 0, bitmap.rowBytes());
    std::memset(bitmap.row(h - 1), 0, bitmap.rowBytes());
    for (int y = 0; y < h; ++y) {
        setBlack(bitmap.row(y));
        setBlack(bitmap.row(y) + std::size_t(w - 1) * 3);
    }
}

}  // namespace

void RestoreLineArt(raster::Bitmap& picture, const raster::Bitmap& lineArt, raster::Rect area)
{
    area = inside(picture, inside(lineArt, area));
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint8_t* line = lineArt.row(y);
        std::uint8_t* out = picture.row(y);
        for (int x = area.left; x < area.right; ++x) {
            if (isBlack(line + x * 3))
                setBlack(out + x * 3);
        }
    }
}

void LiftZeroChannels(raster::Bitmap& picture, raster::Rect area)
{
    area = inside(picture, area);
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint8_t* row = picture.row(y);
        for (int i = area.left * 3; i < area.right * 3; ++i)
            row[i] |= std::uint8_t(row[i] == 0);
    }
}

bool replaceAll(raster::Bitmap& picture, raster::Colour target, raster::Colour replacement)
{
    const std::uint8_t from[3] = {target.blue(), target.green(), target.red()};
    const std::uint8_t to[3] = {replacement.blue(), replacement.green(), replacement.red()};
    bool changed = false;
    for (int y = 0; y < picture.height(); ++y) {
        std::uint8_t* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            if (same(row + x * 3, from)) {
                std::memcpy(row + x * 3, to, 3);
                changed = true;
            }
        }
    }
    return changed;
}

void outlineColours(raster::Bitmap& picture, raster::Bitmap& lineArt, const std::function<void(int row)>& afterRow)
{
    if (picture.width() < 2 || picture.height() < 2)
        return;
    frame(picture);
    frame(lineArt);
    const int w = std::min(picture.width(), lineArt.width());
    const int h = std::min(picture.height(), lineArt.height());
    for (int y = 0; y + 1 < h; ++y) {
        std::uint8_t* row = picture.row(y);
        std::uint8_t* below = picture.row(y + 1);
        for (int x = 0; x + 1 < w; ++x) {
            const std::uint8_t* a = row + x * 3;
            std::uint8_t* b = below + x * 3;
            if (!isBlack(a) && !isBlack(b) && !same(a, b)) {
                setBlack(b);
                setBlack(lineArt.row(y + 1) + x * 3);
            }
        }
        for (int x = 0; x + 1 < w; ++x) {
            const std::uint8_t* a = row + x * 3;
            std::uint8_t* b = row + (x + 1) * 3;
            if (!isBlack(a) && !isBlack(b) && !same(a, b)) {
                setBlack(b);
                setBlack(lineArt.row(y) + (x + 1) * 3);
            }
        }
        if (afterRow)
            afterRow(y);
    }
}

}  // namespace dabwick
