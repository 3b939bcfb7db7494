#pragma once

#include <cstdint>
#include <cstring>

// Tests on the three bytes of a 24-bit pixel and on eight pixels at a time, for the passes that
// walk picture rows directly.
namespace dabwick::pixelbytes {

// Eight pixels, 24 bytes: the block the whole-picture passes skip at once.
inline constexpr int kBlockPixels = 8;

inline bool isBlack(const std::uint8_t* p)
{
    return (p[0] | p[1] | p[2]) == 0;
}

// Neither pure black nor pure white.
inline bool isColoured(const std::uint8_t* p)
{
    return !isBlack(p) && (p[0] & p[1] & p[2]) != 0xFF;
}

inline std::uint64_t load64(const std::uint8_t* p)
{
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// True when any of the eight bytes is zero (the classic bit trick): a black pixel needs three.
inline bool hasZeroByte(std::uint64_t v)
{
    return ((v - 0x0101010101010101ull) & ~v & 0x8080808080808080ull) != 0;
}

// A block with no zero byte at all holds no black pixel.
inline bool blockMayHoldBlack(const std::uint8_t* p)
{
    return hasZeroByte(load64(p)) || hasZeroByte(load64(p + 8)) || hasZeroByte(load64(p + 16));
}

}  // namespace dabwick::pixelbytes
