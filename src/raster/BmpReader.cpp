#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>
#include <utility>

#include "raster/BmpCodec.h"
#include "raster/BmpFormat.h"

namespace raster {

namespace {

using bmp::Layout;
using bmp::le16;
using bmp::le32;

// Above this a file cannot be a picture we would accept: 32 bits a pixel at the largest size,
// plus generous room for headers.
constexpr std::uintmax_t kMaxFileSize = std::uintmax_t(Bitmap::kMaxSide) * Bitmap::kMaxSide * 4 + (1u << 20);

template <typename T> BmpResult<T> refuse(std::string why)
{
    return {std::nullopt, std::move(why)};
}

std::string bytesText(std::uint64_t count)
{
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

bool knownHeaderSize(std::uint32_t size)
{
    for (std::uint32_t known : {12u, 40u, 52u, 56u, 64u, 108u, 124u}) {
        if (size == known)
            return true;
    }
    return false;
}

// One colour channel of a 16- or 32-bit pixel, widened or narrowed to 8 bits so that its
// full-scale value becomes 255.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : mask_(mask)
        , shift_(std::countr_zero(mask))
        , bits_(std::popcount(mask))
    {
    }

    std::uint8_t expand(std::uint32_t pixel) const
    {
        const std::uint32_t value = (pixel & mask_) >> shift_;
        if (bits_ >= 8)
            return std::uint8_t(value >> (bits_ - 8));
        const std::uint32_t full = (1u << bits_) - 1;
        return std::uint8_t((value * 255 + full / 2) / full);
    }

private:
    std::uint32_t mask_;
    int shift_;
    int bits_;
};

// Empty when the masks describe three separate runs of bits that fit in a pixel.
std::string checkMasks(const std::array<std::uint32_t, 3>& masks, unsigned bitsPerPixel)
{
    static constexpr const char* kNames[] = {"red", "green", "blue"};
    for (std::size_t i = 0; i < masks.size(); ++i) {
        const std::uint32_t mask = masks[i];
        const std::string name = kNames[i];
        if (mask == 0)
            return "the " + name + " bit mask is empty";
        const std::uint32_t run = mask >> std::countr_zero(mask);
        if ((run & (run + 1)) != 0)
            return "the " + name + " bit mask is not one run of bits";
        if (bitsPerPixel < 32 && mask >> bitsPerPixel != 0)
            return "the " + name + " bit mask does not fit in " + std::to_string(bitsPerPixel) + " bits";
    }
    if ((masks[0] & masks[1]) != 0 || (masks[0] & masks[2]) != 0 || (masks[1] & masks[2]) != 0)
        return "the red, green and blue bit masks overlap";
    return {};
}

BmpResult<BmpCompression> compressionFor(std::uint32_t code, bool os2)
{
    switch (code) {
    case 0:
        return {BmpCompression::None, {}};
    case 1:
        return {BmpCompression::Rle8, {}};
    case 2:
        return {BmpCompression::Rle4, {}};
    case 3:
        if (os2)
            return refuse<BmpCompression>("OS/2 Huffman compression is not supported");
        return {BmpCompression::Bitfields, {}};
    case 4:
        return refuse<BmpCompression>(
            os2 ? "OS/2 RLE24 compression is not supported" : "JPEG pixels inside a BMP file are not supported");
    case 5:
        return refuse<BmpCompression>("PNG pixels inside a BMP file are not supported");
    default:
        return refuse<BmpCompression>("unknown compression " + std::to_string(code));
    }
}

// Empty when the compression suits the depth and the row order.
std::string checkCompression(const BmpInfo& info)
{
    const std::string depth = std::to_string(info.bitsPerPixel) + " bits per pixel";
    switch (info.compression) {
    case BmpCompression::None:
        return {};
    case BmpCompression::Rle8:
    case BmpCompression::Rle4: {
        const bool rle8 = info.compression == BmpCompression::Rle8;
        if (info.bitsPerPixel != (rle8 ? 8 : 4))
            return std::string(rle8 ? "RLE8 compression needs 8" : "RLE4 compression needs 4") + " bits per pixel, not "
                + std::to_string(info.bitsPerPixel);
        if (info.topDown)
            return "an RLE bitmap cannot be stored top-down";
        return {};
    }
    case BmpCompression::Bitfields:
        if (info.bitsPerPixel != 16 && info.bitsPerPixel != 32)
            return "bit-field pixels need 16 or 32 bits per pixel, not " + std::to_string(info.bitsPerPixel);
        return {};
    }
    return {};
}

// Reads and checks everything before the pixel data. After this every offset the decoders use
// lies inside the file, and an uncompressed file holds all of its rows.
BmpResult<Layout> parseHeaders(std::span<const std::uint8_t> file)
{
    const std::uint8_t* p = file.data();
    const std::size_t size = file.size();
    if (size < 2 || p[0] != 'B' || p[1] != 'M')
        return refuse<Layout>("not a BMP file: it does not begin with \"BM\"");
    if (size < bmp::kFileHeaderSize + 4)
        return refuse<Layout>("truncated: " + bytesText(size) + " is too short for a BMP header");

    const std::uint32_t headerSize = le32(p + 14);
    if (!knownHeaderSize(headerSize))
        return refuse<Layout>("unsupported BMP header size " + std::to_string(headerSize)
            + " (known sizes are 12, 40, 52, 56, 64, 108 and 124)");
    if (size < bmp::kFileHeaderSize + headerSize)
        return refuse<Layout>("truncated: the " + std::to_string(headerSize) + "-byte header runs past the end of the "
            + bytesText(size) + " file");

    const bool core = headerSize == 12;
    const bool os2 = headerSize == 64;
    std::int64_t width = 0;
    std::int64_t height = 0;
    unsigned planes = 0;
    unsigned bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    if (core) {
        width = le16(p + 18);
        height = le16(p + 20);
        planes = le16(p + 22);
        bits = le16(p + 24);
    } else {
        width = std::int32_t(le32(p + 18));
        height = std::int32_t(le32(p + 22));
        planes = le16(p + 26);
        bits = le16(p + 28);
        compression = le32(p + 30);
        coloursUsed = le32(p + 46);
    }

    if (planes != 1)
        return refuse<Layout>("the number of planes must be 1, not " + std::to_string(planes));
    if (width <= 0)
        return refuse<Layout>("the width must be positive, not " + std::to_string(width));
    if (height == 0)
        return refuse<Layout>("the height must not be 0");
    const std::int64_t rows = height < 0 ? -height : height;
    if (width > Bitmap::kMaxSide || rows > Bitmap::kMaxSide)
        return refuse<Layout>(std::to_string(width) + " by " + std::to_string(rows)
            + " pixels is larger than any picture (at most " + std::to_string(Bitmap::kMaxSide) + " a side)");
    const bool depthKnown = bits == 1 || bits == 4 || bits == 8 || bits == 24 || (!core && (bits == 16 || bits == 32));
    if (!depthKnown)
        return refuse<Layout>("unsupported depth of " + std::to_string(bits) + " bits per pixel");

    const BmpResult<BmpCompression> method = compressionFor(compression, os2);
    if (!method)
        return refuse<Layout>(method.error);

    Layout layout;
    layout.info = {int(width), int(rows), int(bits), *method.value, height < 0};
    if (std::string why = checkCompression(layout.info); !why.empty())
        return refuse<Layout>(std::move(why));

    std::size_t tableStart = bmp::kFileHeaderSize + headerSize;
    if (bits == 16)
        layout.masks = {0x7C00, 0x03E0, 0x001F};
    else if (bits == 32)
        layout.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    if (layout.info.compression == BmpCompression::Bitfields) {
        // A plain info header is followed by the three masks; the longer headers hold them inside.
        const std::size_t maskStart = headerSize == bmp::kInfoHeaderSize ? tableStart : bmp::kFileHeaderSize + 40;
        if (headerSize == bmp::kInfoHeaderSize)
            tableStart += 12;
        if (size < maskStart + 12)
            return refuse<Layout>("truncated: the bit masks run past the end of the file");
        layout.masks = {le32(p + maskStart), le32(p + maskStart + 4), le32(p + maskStart + 8)};
        if (std::string why = checkMasks(layout.masks, bits); !why.empty())
            return refuse<Layout>(std::move(why));
    }

    std::size_t tableEnd = tableStart;
    if (bits <= 8) {
        const std::uint32_t maxEntries = 1u << bits;
        if (coloursUsed > maxEntries)
            return refuse<Layout>("a colour table of " + std::to_string(coloursUsed) + " entries is too large for "
                + std::to_string(bits) + "-bit pixels");
        const std::size_t entries = coloursUsed != 0 ? coloursUsed : maxEntries;
        const std::size_t entrySize = core ? 3 : 4;
        tableEnd = tableStart + entries * entrySize;
        if (tableEnd > size)
            return refuse<Layout>(
                "truncated: the colour table of " + std::to_string(entries) + " entries runs past the end of the file");
        layout.palette.reserve(entries);
        for (std::size_t at = tableStart; at < tableEnd; at += entrySize)
            layout.palette.push_back(Colour::rgb(p[at + 2], p[at + 1], p[at]));
    }

    const std::uint32_t offset = le32(p + 10);
    if (offset < tableEnd)
        return refuse<Layout>("the pixel data offset " + std::to_string(offset)
            + " points into the headers, which end at " + std::to_string(tableEnd));
    if (offset > size)
        return refuse<Layout>("the pixel data offset " + std::to_string(offset) + " lies past the end of the "
            + bytesText(size) + " file");
    layout.pixelOffset = offset;

    const bool rle = layout.info.compression == BmpCompression::Rle8 || layout.info.compression == BmpCompression::Rle4;
    if (!rle) {
        const std::uint64_t needed = bmp::rowStride(std::uint64_t(width), bits) * std::uint64_t(rows);
        if (needed > size - offset)
            return refuse<Layout>("truncated: the pixels need " + bytesText(needed) + " after offset "
                + std::to_string(offset) + " but the file has " + bytesText(size - offset));
    }
    return {std::move(layout), {}};
}

// Unpacks the uncompressed rows; only a colour index beyond the table can still fail here.
std::string decodeRows(std::span<const std::uint8_t> pixels, const Layout& layout, Bitmap& out)
{
    const BmpInfo& info = layout.info;
    const unsigned bits = unsigned(info.bitsPerPixel);
    const std::size_t stride = bmp::rowStride(std::uint64_t(info.width), bits);
    const Channel red(layout.masks[0]);
    const Channel green(layout.masks[1]);
    const Channel blue(layout.masks[2]);
    for (int stored = 0; stored < info.height; ++stored) {
        const std::uint8_t* src = pixels.data() + std::size_t(stored) * stride;
        const int y = info.topDown ? stored : info.height - 1 - stored;
        if (bits == 24) {
            std::copy_n(src, out.rowBytes(), out.row(y));
            continue;
        }
        for (int x = 0; x < info.width; ++x) {
            if (bits <= 8) {
                const unsigned index
                    = unsigned(src[unsigned(x) * bits / 8] >> bmp::indexShift(x, bits)) & ((1u << bits) - 1);
                if (index >= layout.palette.size())
                    return bmp::badIndexMessage(x, y, index, layout.palette.size());
                out.setPixel(x, y, layout.palette[index]);
            } else {
                const std::uint32_t value
                    = bits == 16 ? le16(src + std::size_t(x) * 2) : le32(src + std::size_t(x) * 4);
                out.setPixel(x, y, Colour::rgb(red.expand(value), green.expand(value), blue.expand(value)));
            }
        }
    }
    return {};
}

}  // namespace

std::string bmp::badIndexMessage(int x, int y, unsigned index, std::size_t tableSize)
{
    return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") uses colour " + std::to_string(index)
        + " but the colour table has only " + std::to_string(tableSize) + " entries";
}

BmpResult<BmpInfo> probeBmp(std::span<const std::uint8_t> file)
{
    BmpResult<Layout> layout = parseHeaders(file);
    if (!layout)
        return refuse<BmpInfo>(std::move(layout.error));
    return {layout.value->info, {}};
}

BmpResult<Bitmap> readBmp(std::span<const std::uint8_t> file)
{
    const BmpResult<Layout> parsed = parseHeaders(file);
    if (!parsed)
        return refuse<Bitmap>(parsed.error);
    const Layout& layout = *parsed.value;
    const BmpInfo& info = layout.info;
    const std::span<const std::uint8_t> pixels = file.subspan(layout.pixelOffset);
    try {
        const bool rle = info.compression == BmpCompression::Rle8 || info.compression == BmpCompression::Rle4;
        Bitmap out(info.width, info.height, rle ? layout.palette.front() : kBlack);
        std::string why = rle ? bmp::decodeRle(pixels, layout, out) : decodeRows(pixels, layout, out);
        if (!why.empty())
            return refuse<Bitmap>(std::move(why));
        return {std::move(out), {}};
    } catch (const std::bad_alloc&) {
        return refuse<Bitmap>("not enough memory for a picture of " + std::to_string(info.width) + " by "
            + std::to_string(info.height) + " pixels");
    }
}

BmpResult<Bitmap> readBmpFile(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return refuse<Bitmap>("cannot read \"" + path + "\": " + error.message());
    if (size > kMaxFileSize)
        return refuse<Bitmap>("\"" + path + "\" is too large to be a picture (" + bytesText(size) + ")");
    try {
        std::vector<std::uint8_t> bytes(size);
        std::ifstream in(path, std::ios::binary);
        if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size)))
            return refuse<Bitmap>("cannot read \"" + path + "\"");
        return readBmp(bytes);
    } catch (const std::bad_alloc&) {
        return refuse<Bitmap>("not enough memory to read \"" + path + "\"");
    }
}

}  // namespace raster
