#pragma once

#include <cstddef>
#include <cstdint>

// Searches along one row for where a fill's run ends: the next pixel that equals, or differs from, a
// colour key. Most of a fill's time is spent finding where its runs end, so past the first pixel
// eight pixels are looked at together, as three 64-bit words.
namespace raster::fill {

// A pixel's key: blue in the low byte, as the bytes lie in memory.
inline std::uint32_t pixelKey(const std::uint8_t* row, int x)
{
    const std::uint8_t* p = row + std::size_t(x) * 3;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
}

// Whether pixel x is what a search for the key (kFindKey) or for any other colour looks for.
template <bool kFindKey> bool isSought(const std::uint8_t* row, int x, std::uint32_t key)
{
    return (pixelKey(row, x) == key) == kFindKey;
}

namespace detail {

// The searches past the first pixel, eight pixels at a time; out of line, so that the first pixel's
// test stays small enough to sit in the fill's loop.
template <bool kFindKey> int findPixelWide(const std::uint8_t* row, int x, int end, std::uint32_t key);
template <bool kFindKey> int findPixelBackWide(const std::uint8_t* row, int begin, int x, std::uint32_t key);

}  // namespace detail

// The first x in [x, end) whose pixel equals key (kFindKey) or differs from it; end when none does.
// Runs of a pixel or two are the common case in narrow shapes, so the first pixel is looked at alone.
template <bool kFindKey> int findPixel(const std::uint8_t* row, int x, int end, std::uint32_t key)
{
    if (x >= end || isSought<kFindKey>(row, x, key))
        return x;
    return detail::findPixelWide<kFindKey>(row, x + 1, end, key);
}

// Going left from x: the smallest s >= begin such that no pixel of [s, x) is what findPixel looks for.
template <bool kFindKey> int findPixelBack(const std::uint8_t* row, int begin, int x, std::uint32_t key)
{
    if (x <= begin || isSought<kFindKey>(row, x - 1, key))
        return x;
    return detail::findPixelBackWide<kFindKey>(row, begin, x - 1, key);
}

}  // namespace raster::fill
