#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

// Searches along one row for where a fill's run ends: the next pixel that equals, or differs from, a
// colour key, and the next set or clear mark of a bit mask. Most of a fill's time is spent finding
// where its runs end, so eight pixels are looked at together, as three 64-bit words.
namespace raster::fill {

// A pixel's key: blue in the low byte, as the bytes lie in memory.
inline std::uint32_t pixelKey(const std::uint8_t* row, int x)
{
    const std::uint8_t* p = row + std::size_t(x) * 3;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
}

namespace detail {

template <bool kFindKey> bool isSought(const std::uint8_t* row, int x, std::uint32_t key)
{
    return (pixelKey(row, x) == key) == kFindKey;
}

// The searches past the first pixel, eight pixels at a time; out of line, so that the first pixel's
// test stays small enough to sit in the fill's loop.
template <bool kFindKey> int findPixelWide(const std::uint8_t* row, int x, int end, std::uint32_t key);
template <bool kFindKey> int findPixelBackWide(const std::uint8_t* row, int begin, int x, std::uint32_t key);

}  // namespace detail

// The first x in [x, end) whose pixel equals key (kFindKey) or differs from it; end when none does.
// Runs of a pixel or two are the common case in narrow shapes, so the first pixel is looked at alone.
template <bool kFindKey> int findPixel(const std::uint8_t* row, int x, int end, std::uint32_t key)
{
    if (x >= end || detail::isSought<kFindKey>(row, x, key))
        return x;
    return detail::findPixelWide<kFindKey>(row, x + 1, end, key);
}

// Going left from x: the smallest s >= begin such that no pixel of [s, x) is what findPixel looks for.
template <bool kFindKey> int findPixelBack(const std::uint8_t* row, int begin, int x, std::uint32_t key)
{
    if (x <= begin || detail::isSought<kFindKey>(row, x - 1, key))
        return x;
    return detail::findPixelBackWide<kFindKey>(row, begin, x - 1, key);
}

// A row of marks, one bit a pixel (bit x % 64 of word x / 64), searched 64 pixels at a time.

// The first x in [x, end) whose mark is set (kFindSet) or clear; end when none is.
template <bool kFindSet> int findMark(const std::uint64_t* words, int x, int end)
{
    constexpr std::uint64_t kFlip = kFindSet ? 0 : ~std::uint64_t(0);
    if (x >= end)
        return end;
    int i = x >> 6;
    std::uint64_t found = (words[i] ^ kFlip) & (~std::uint64_t(0) << (x & 63));
    while (found == 0) {
        if (++i << 6 >= end)
            return end;
        found = words[i] ^ kFlip;
    }
    return std::min(end, (i << 6) + std::countr_zero(found));
}

// Going left from x: the smallest s >= begin such that no mark of [s, x) is set.
inline int findMarkBack(const std::uint64_t* words, int begin, int x)
{
    if (x <= begin)
        return x;
    int i = (x - 1) >> 6;
    std::uint64_t found = words[i] & (~std::uint64_t(0) >> (63 - ((x - 1) & 63)));
    while (found == 0) {
        if (i << 6 <= begin)
            return begin;
        found = words[--i];
    }
    return std::max(begin, (i << 6) + 64 - std::countl_zero(found));
}

inline bool isMarked(const std::uint64_t* words, int x)
{
    return words[x >> 6] >> (x & 63) & 1;
}

// Sets the marks of [x0, x1), x0 < x1.
inline void setMarks(std::uint64_t* words, int x0, int x1)
{
    const int first = x0 >> 6;
    const int last = (x1 - 1) >> 6;
    const std::uint64_t head = ~std::uint64_t(0) << (x0 & 63);
    const std::uint64_t tail = ~std::uint64_t(0) >> (63 - ((x1 - 1) & 63));
    if (first == last) {
        words[first] |= head & tail;
        return;
    }
    words[first] |= head;
    std::fill(words + first + 1, words + last, ~std::uint64_t(0));
    words[last] |= tail;
}

}  // namespace raster::fill
