#pragma once

// Small hand-assembled BMP files for the codec tests: headers are built field by field from a
// plain description, pixel bytes are written out by the test itself.

#include <cstdint>
#include <vector>

#include "raster/Colour.h"

namespace bmptest {

using Bytes = std::vector<std::uint8_t>;

struct FileLayout {
    std::uint32_t headerSize = 40;
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint16_t planes = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> masks {};  // after a 40-byte header, at header offset 40 in a longer one
    std::vector<raster::Colour> table {};  // four bytes an entry, three after a 12-byte header
    Bytes pixels {};
};

inline void put(Bytes& out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

inline void putAt(Bytes& out, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.at(at + std::size_t(i)) = std::uint8_t(value >> (8 * i));
}

// The file the layout describes, with the file size and pixel offset filled in.
inline Bytes assemble(const FileLayout& f)
{
    Bytes out {'B', 'M'};
    put(out, 0, 4);
    put(out, 0, 4);
    put(out, 0, 4);
    put(out, f.headerSize, 4);
    if (f.headerSize == 12) {
        put(out, std::uint32_t(f.width), 2);
        put(out, std::uint32_t(f.height), 2);
        put(out, f.planes, 2);
        put(out, f.bits, 2);
    } else {
        put(out, std::uint32_t(f.width), 4);
        put(out, std::uint32_t(f.height), 4);
        put(out, f.planes, 2);
        put(out, f.bits, 2);
        put(out, f.compression, 4);
        put(out, 0, 4 * 3);
        put(out, f.coloursUsed, 4);
        put(out, 0, 4);
        if (f.headerSize > 40)
            out.resize(14 + f.headerSize, 0);
    }
    std::size_t masksAt = out.size();
    if (f.headerSize > 40)
        masksAt = 14 + 40;
    else
        out.resize(out.size() + 4 * f.masks.size());
    for (std::size_t i = 0; i < f.masks.size(); ++i)
        putAt(out, masksAt + 4 * i, f.masks[i], 4);
    for (raster::Colour c : f.table) {
        out.insert(out.end(), {c.blue(), c.green(), c.red()});
        if (f.headerSize != 12)
            out.push_back(0);
    }
    putAt(out, 10, std::uint32_t(out.size()), 4);
    out.insert(out.end(), f.pixels.begin(), f.pixels.end());
    putAt(out, 2, std::uint32_t(out.size()), 4);
    return out;
}

inline constexpr raster::Colour kRed = raster::Colour::rgb(255, 0, 0);
inline constexpr raster::Colour kGreen = raster::Colour::rgb(0, 255, 0);
inline constexpr raster::Colour kBlue = raster::Colour::rgb(0, 0, 255);

}  // namespace bmptest
