#include <algorithm>
#include <unordered_map>

#include "raster/BmpCodec.h"
#include "raster/BmpFormat.h"

namespace raster {

namespace {

void putLe16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void putLe32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    putLe16(out, std::uint16_t(value));
    putLe16(out, std::uint16_t(value >> 16));
}

// Starts a file with the 14-byte file header, the 40-byte info header and a colour table of
// 2^bits entries (none above 8 bits), leaving room reserved for the pixel rows.
std::vector<std::uint8_t> headers(
    const Bitmap& bitmap, unsigned bits, std::span<const Colour> table, const BmpWriteOptions& options)
{
    const std::size_t tableEntries = bits <= 8 ? std::size_t(1) << bits : 0;
    const auto offset = std::uint32_t(bmp::kFileHeaderSize + bmp::kInfoHeaderSize + tableEntries * 4);
    // At most 16384 rows of 16384 * 3 padded bytes: well inside 32 bits.
    const auto imageSize
        = std::uint32_t(bmp::rowStride(std::uint64_t(bitmap.width()), bits) * std::uint64_t(bitmap.height()));

    std::vector<std::uint8_t> out;
    out.reserve(std::size_t(offset) + imageSize);
    out.push_back('B');
    out.push_back('M');
    putLe32(out, offset + imageSize);
    putLe32(out, 0);
    putLe32(out, offset);

    putLe32(out, std::uint32_t(bmp::kInfoHeaderSize));
    putLe32(out, std::uint32_t(bitmap.width()));
    putLe32(out, std::uint32_t(bitmap.height()));
    putLe16(out, 1);
    putLe16(out, std::uint16_t(bits));
    putLe32(out, 0);
    putLe32(out, options.recordImageSize ? imageSize : 0);
    putLe32(out, std::uint32_t(options.pixelsPerMetre));
    putLe32(out, std::uint32_t(options.pixelsPerMetre));
    putLe32(out, 0);
    putLe32(out, 0);

    for (std::size_t i = 0; i < tableEntries; ++i) {
        const Colour c = i < table.size() ? table[i] : kBlack;
        out.insert(out.end(), {c.blue(), c.green(), c.red(), 0});
    }
    return out;
}

BmpResult<std::vector<std::uint8_t>> encodeIndexed(
    const Bitmap& bitmap, unsigned bits, std::span<const Colour> table, const BmpWriteOptions& options)
{
    const std::size_t maxEntries = std::size_t(1) << bits;
    if (table.empty() || table.size() > maxEntries)
        return {std::nullopt,
            "a " + std::to_string(bits) + "-bit colour table holds 1 to " + std::to_string(maxEntries)
                + " colours, not " + std::to_string(table.size())};

    // The first entry of a colour wins, so a table that repeats a colour still encodes.
    std::unordered_map<std::uint32_t, unsigned> indexOf;
    for (std::size_t i = table.size(); i-- > 0;)
        indexOf[table[i].value()] = unsigned(i);

    std::vector<std::uint8_t> out = headers(bitmap, bits, table, options);
    const std::size_t stride = bmp::rowStride(std::uint64_t(bitmap.width()), bits);
    std::vector<std::uint8_t> packed(stride);
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        std::fill(packed.begin(), packed.end(), 0);
        for (int x = 0; x < bitmap.width(); ++x) {
            const Colour c = bitmap.pixel(x, y);
            const auto found = indexOf.find(c.value());
            if (found == indexOf.end())
                return {std::nullopt,
                    "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") has colour ("
                        + std::to_string(c.red()) + ", " + std::to_string(c.green()) + ", " + std::to_string(c.blue())
                        + "), which is not in the colour table"};
            packed[std::size_t(x) * bits / 8] |= std::uint8_t(found->second << bmp::indexShift(x, bits));
        }
        out.insert(out.end(), packed.begin(), packed.end());
    }
    return {std::move(out), {}};
}

}  // namespace

std::vector<std::uint8_t> encodeBmp24(const Bitmap& bitmap, const BmpWriteOptions& options)
{
    std::vector<std::uint8_t> out = headers(bitmap, 24, {}, options);
    const std::size_t padding = bmp::rowStride(std::uint64_t(bitmap.width()), 24) - bitmap.rowBytes();
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        out.insert(out.end(), bitmap.row(y), bitmap.row(y) + bitmap.rowBytes());
        out.insert(out.end(), padding, 0);
    }
    return out;
}

BmpResult<std::vector<std::uint8_t>> encodeBmp1(
    const Bitmap& bitmap, std::span<const Colour> table, const BmpWriteOptions& options)
{
    return encodeIndexed(bitmap, 1, table, options);
}

BmpResult<std::vector<std::uint8_t>> encodeBmp4(
    const Bitmap& bitmap, std::span<const Colour> table, const BmpWriteOptions& options)
{
    return encodeIndexed(bitmap, 4, table, options);
}

BmpResult<std::vector<std::uint8_t>> encodeBmp8(
    const Bitmap& bitmap, std::span<const Colour> table, const BmpWriteOptions& options)
{
    return encodeIndexed(bitmap, 8, table, options);
}

}  // namespace raster
