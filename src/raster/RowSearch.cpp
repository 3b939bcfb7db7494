#include "raster/RowSearch.h"

#include <bit>
#include <cstring>

namespace raster::fill::detail {

namespace {

std::uint64_t load64(const std::uint8_t* p)
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
std::uint64_t nonzeroLanes(std::uint64_t v)
{
    return (((v & kLaneLow) + kLaneLow) | v) & kLaneTop;
}

// Some top bit set exactly when some byte of v is zero.
std::uint64_t zeroBytes(std::uint64_t v)
{
    return (v - kByteOnes) & ~v & kByteTops;
}

// The key repeated over 8 bytes from its first byte on.
std::uint64_t repeated(std::uint32_t key)
{
    const std::uint64_t six = std::uint64_t(key) | std::uint64_t(key) << 24;
    return six | six << 48;
}

// The key starting with its byte number first (blue 0, green 1, red 2).
std::uint32_t rotated(std::uint32_t key, int first)
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

}  // namespace

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

template int findPixelWide<false>(const std::uint8_t*, int, int, std::uint32_t);
template int findPixelWide<true>(const std::uint8_t*, int, int, std::uint32_t);
template int findPixelBackWide<false>(const std::uint8_t*, int, int, std::uint32_t);
template int findPixelBackWide<true>(const std::uint8_t*, int, int, std::uint32_t);

}  // namespace raster::fill::detail
