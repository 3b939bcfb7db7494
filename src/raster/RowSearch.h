#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

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

inline std::uint64_t load64(const std::uint8_t* p)
{
    static_assert(std::endian::native == std::endian::little);
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

constexpr std::uint64_t kLaneLow = 0x7F'FFFF'7F'FFFFull;
constexpr std::uint64_t kLaneTop = 0x80'0000'80'0000ull;
constexpr std::uint64_t kByteOnes = 0x0101'0101'0101'0101ull;
constexpr std::uint64_t kByteTops = 0x8080'8080'8080'8080ull;

// The top bit of each 24-bit lane is set when the lane is not zero; the sums never carry out of a lane.
inline std::uint64_t nonzeroLanes(std::uint64_t v)
{
    return (((v & kLaneLow) + kLaneLow) | v) & kLaneTop;
}

// Some top bit set exactly when some byte of v is zero.
inline std::uint64_t zeroBytes(std::uint64_t v)
{
    return (v - kByteOnes) & ~v & kByteTops;
}

// The key repeated over 8 bytes from its first byte on.
inline std::uint64_t repeated(std::uint32_t key)
{
    const std::uint64_t six = std::uint64_t(key) | std::uint64_t(key) << 24;
    return six | six << 48;
}

// The key starting with its byte number first (blue 0, green 1, red 2).
inline std::uint32_t rotated(std::uint32_t key, int first)
{
    return (key >> (8 * first) | key << (24 - 8 * first)) & 0xFF'FFFFu;
}

// A key repeated over the 24 bytes of eight pixels, and over the 6 bytes of two.
struct KeyPattern {
    std::uint64_t words[3];
    std::uint64_t pair;

    explicit KeyPattern(std::uint32_t key)
        : words {repeated(key), repeated(rotated(key, 2)), repeated(rotated(key, 1))}
        , pair(std::uint64_t(key) | std::uint64_t(key) << 24)
    {
    }

    bool allEqual(const std::uint8_t* p) const
    {
        return ((load64(p) ^ words[0]) | (load64(p + 8) ^ words[1]) | (load64(p + 16) ^ words[2])) == 0;
    }
    bool noneEqual(const std::uint8_t* p) const
    {
        const std::uint64_t a = load64(p) ^ words[0], b = load64(p + 8) ^ words[1], c = load64(p + 16) ^ words[2];
        // No byte matches the key's byte in its place: the usual case, settled without looking at lanes.
        if ((zeroBytes(a) | zeroBytes(b) | zeroBytes(c)) == 0)
            return true;
        // Pixel pairs as 24-bit lanes; the last load is shifted down rather than reaching past p + 24.
        return (nonzeroLanes(load64(p) ^ pair) & nonzeroLanes(load64(p + 6) ^ pair)
                   & nonzeroLanes(load64(p + 12) ^ pair) & nonzeroLanes((load64(p + 16) >> 16) ^ pair))
            == kLaneTop;
    }
};

// Eight pixels from x in which a search for the key (kFindKey) or for anything else has nothing to find.
template <bool kFindKey> bool nothingToFind(const std::uint8_t* row, int x, const KeyPattern& key)
{
    const std::uint8_t* p = row + std::size_t(x) * 3;
    return kFindKey ? key.noneEqual(p) : key.allEqual(p);
}


template <bool kFindKey> bool isSought(const std::uint8_t* row, int x, std::uint32_t key)
{
    return (pixelKey(row, x) == key) == kFindKey;
}

template <bool kFindKey> int findPixelWide(const std::uint8_t* row, int x, int end, std::uint32_t key)
{
    const KeyPattern pattern(key);
    while (x + 8 <= end && nothingToFind<kFindKey>(row, x, pattern))
        x += 8;
    while (x < end && !isSought<kFindKey>(row, x, key))
        ++x;
    return x;
}

template <bool kFindKey> int findPixelBackWide(const std::uint8_t* row, int begin, int x, std::uint32_t key)
{
    const KeyPattern pattern(key);
    while (x - 8 >= begin && nothingToFind<kFindKey>(row, x - 8, pattern))
        x -= 8;
    while (x > begin && !isSought<kFindKey>(row, x - 1, key))
        --x;
    return x;
}

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
