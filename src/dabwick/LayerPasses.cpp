#include "dabwick/LayerPasses.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "dabwick/PixelBytes.h"

namespace dabwick {

namespace {

using namespace pixelbytes;

bool same(const std::uint8_t* a, const std::uint8_t* b)
{
    return std::memcmp(a, b, 3) == 0;
}

bool sameBlock(const std::uint8_t* a, const std::uint8_t* b)
{
    return std::memcmp(a, b, kBlockPixels * 3) == 0;
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
        int x = area.left;
        while (x < area.right) {
            if (x + kBlockPixels <= area.right && !blockMayHoldBlack(line + x * 3)) {
                x += kBlockPixels;
                continue;
            }
            const int end = std::min(x + kBlockPixels, area.right);
            for (; x < end; ++x) {
                // Branch-free: grid-like line art makes the black test unpredictable.
                const std::uint8_t* l = line + x * 3;
                const std::uint8_t keep = std::uint8_t(-std::uint8_t((l[0] | l[1] | l[2]) != 0));
                std::uint8_t* o = out + x * 3;
                o[0] &= keep;
                o[1] &= keep;
                o[2] &= keep;
            }
        }
    }
}

void LiftZeroChannels(raster::Bitmap& picture, raster::Rect area)
{
    area = inside(picture, area);
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint8_t* row = picture.row(y);
        int i = area.left * 3;
        const int end = area.right * 3;
        // Eight channels at a time: the high bit of `nonZero` is set exactly in the non-zero bytes.
        for (; i + 8 <= end; i += 8) {
            std::uint64_t v = load64(row + i);
            const std::uint64_t nonZero = ((v & kLow7) + kLow7) | v;
            v |= (~nonZero & kHigh) >> 7;
            std::memcpy(row + i, &v, sizeof v);
        }
        for (; i < end; ++i)
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

bool outlineColours(raster::Bitmap& picture, raster::Bitmap* lineArt, const std::function<void(int row)>& beforeRow)
{
    if (picture.width() < 2 || picture.height() < 2)
        return false;
    frame(picture);
    int w = picture.width();
    int h = picture.height();
    if (lineArt) {
        frame(*lineArt);
        w = std::min(w, lineArt->width());
        h = std::min(h, lineArt->height());
    }
    bool added = false;
    const auto paintLine = [&](std::uint8_t* pixel, int x, int y) {
        setBlack(pixel);
        if (lineArt)
            setBlack(lineArt->row(y) + x * 3);
        added = true;
    };
    for (int y = 0; y + 1 < h; ++y) {
        if (beforeRow)
            beforeRow(y);
        std::uint8_t* row = picture.row(y);
        std::uint8_t* below = picture.row(y + 1);
        // Where the two rows agree nothing changes, and big areas of one colour are common; a block
        // that differs is then taken pixel by pixel.
        for (int x = 0; x + 1 < w;) {
            if (x + kBlockPixels < w && sameBlock(row + x * 3, below + x * 3)) {
                x += kBlockPixels;
                continue;
            }
            for (const int end = std::min(x + kBlockPixels, w - 1); x < end; ++x) {
                const std::uint8_t* a = row + x * 3;
                std::uint8_t* b = below + x * 3;
                if (!same(a, b) && !isBlack(a) && !isBlack(b))
                    paintLine(b, x, y + 1);
            }
        }
        // A run of one colour compares equal to itself shifted by one pixel.
        for (int x = 0; x + 1 < w;) {
            if (x + kBlockPixels + 1 < w && sameBlock(row + x * 3, row + (x + 1) * 3)) {
                x += kBlockPixels;
                continue;
            }
            for (const int end = std::min(x + kBlockPixels, w - 1); x < end; ++x) {
                const std::uint8_t* a = row + x * 3;
                std::uint8_t* b = row + (x + 1) * 3;
                if (!same(a, b) && !isBlack(a) && !isBlack(b))
                    paintLine(b, x + 1, y);
            }
        }
    }
    return added;
}

}  // namespace dabwick
