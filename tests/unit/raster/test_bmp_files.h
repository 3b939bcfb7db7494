#pragma once

// Small hand-assembled BMP files for the codec tests: headers are built field by field from a
// plain description, pixel bytes are written out by the test itself.

#include <cstdint>
#include <vector>

#include "raster/Colour.h"

namespace bmptest {

using Bytes = std::vector<std::uint8_t>;

struct FileLayout {
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint16_t planes = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> masks {};  // after the 40-byte header
    std::vector<raster::Colour> table {};  // four bytes an entry
    Bytes pixels {};
};

// Appends `size` bytes of value, least significant first; bytes past the fourth are zero.
inline void put(Bytes& out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(i < 4 ? std::uint8_t(value >> (8 * i)) : 0);
}

inline void putAt(Bytes& out, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.at(at + std::size_t(i)) = std::uint8_t(value >> (8 * i));
}

// The file the layout describes, with a 40-byte header and the file size and pixel offset filled in.
inline Bytes assemble(const FileLayout& f)
{
    Bytes out {'B', 'M'};
    put(out, 0, 4 * 3);
    put(out, 40, 4);
    put(out, std::uint32_t(f.width), 4);
    put(out, std::uint32_t(f.height), 4);
    put(out, f.planes, 2);
    put(out, f.bits, 2);
    put(out, f.compression, 4);
    put(out, 0, 4 * 3);
    put(out, f.coloursUsed, 4);
    put(out, 0, 4);
    for (const std::uint32_t mask : f.masks)
        put(out, mask, 4);
    for (raster::Colour c : f.table)
        out.insert(out.end(), {c.blue(), c.green(), c.red(), 0});
    putAt(out, 10, std::uint32_t(out.size()), 4);
    out.insert(out.end(), f.pixels.begin(), f.pixels.end());
    putAt(out, 2, std::uint32_t(out.size()), 4);
    return out;
}

inline constexpr raster::Colour kRed = raster::Colour::rgb(255, 0, 0);
inline constexpr raster::Colour kGreen = raster::Colour::rgb(0, 255, 0);
inline constexpr raster::Colour kBlue = raster::Colour::rgb(0, 0, 255);

// A 3 by 2 picture, RLE8 or RLE4, with three colours in its table.
inline FileLayout rleLayout(std::uint16_t bits, Bytes stream, std::vector<raster::Colour> table = {kRed, kGreen, kBlue})
{
    return {.bits = bits,
        .compression = bits == 8 ? 1u : 2u,
        .coloursUsed = 3,
        .table = std::move(table),
        .pixels = std::move(stream)};
}

}  // namespace bmptest
