#pragma once

// Layout facts of the BMP format shared by the reader, its RLE decoder and the writers.
// Internal to the raster library: callers use BmpCodec.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "raster/Bitmap.h"
#include "raster/BmpCodec.h"
#include "raster/Colour.h"

namespace raster::bmp {

inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;

// Bytes in one stored row: the row's bits rounded up to whole 32-bit words. Computed in 64 bits so
// that no header value can make it wrap.
constexpr std::uint64_t rowStride(std::uint64_t width, unsigned bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// Below 8 bits per pixel the leftmost pixel of a byte sits in its highest bits; this is how far
// pixel x's index is shifted up within its byte.
constexpr unsigned indexShift(int x, unsigned bitsPerPixel)
{
    return 8 - bitsPerPixel - unsigned(x) * bitsPerPixel % 8;
}

inline std::uint16_t le16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

inline std::uint32_t le32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// A file whose headers passed every check: what the pixel decoders work from.
struct Layout {
    BmpInfo info;
    std::size_t pixelOffset = 0;
    std::vector<Colour> palette;  // the file's colour table; empty above 8 bits per pixel
    std::array<std::uint32_t, 3> masks {};  // red, green, blue bits of a 16- or 32-bit pixel
};

// The refusal for a pixel whose colour index has no entry in the colour table; (x, y) are picture
// coordinates, row 0 at the top.
std::string badIndexMessage(int x, int y, unsigned index, std::size_t tableSize);

// Decodes the RLE8 or RLE4 stream that starts at the layout's pixel offset into out, which arrives
// sized to the picture and filled with colour table entry 0. Returns an empty string when the
// stream reaches its end-of-bitmap mark without leaving the picture, otherwise why it is refused.
std::string decodeRle(std::span<const std::uint8_t> stream, const Layout& layout, Bitmap& out);

}  // namespace raster::bmp
