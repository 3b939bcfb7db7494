// Feeds arbitrary bytes to the BMP reader. Whatever decodes must survive a round trip through the
// 24-bit writer, and through the smallest indexed writer its colours fit, unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <unordered_set>
#include <vector>

#include "raster/BmpCodec.h"

namespace {

// Decoding a picture of this many pixels or more is left to the unit tests: the fuzzer would
// spend its time filling memory instead of finding faults.
constexpr std::int64_t kMaxFuzzPixels = 1 << 16;

void checkIndexedRoundTrip(const raster::Bitmap& picture)
{
    std::vector<raster::Colour> table;
    std::unordered_set<std::uint32_t> seen;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const raster::Colour c = picture.pixel(x, y);
            if (seen.insert(c.value()).second)
                table.push_back(c);
            if (table.size() > 256)
                return;
        }
    }
    const auto encode = table.size() <= 2 ? raster::encodeBmp1
        : table.size() <= 16              ? raster::encodeBmp4
                                          : raster::encodeBmp8;
    const auto encoded = encode(picture, table, {});
    if (!encoded)
        std::abort();  // every colour is in the table
    const auto again = raster::readBmp(*encoded.value);
    if (!again || !(*again.value == picture))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    const auto info = raster::probeBmp(file);
    if (info.value.has_value() == !info.error.empty())
        std::abort();  // a value or a reason, never both nor neither
    if (!info || std::int64_t(info.value->width) * info.value->height >= kMaxFuzzPixels)
        return 0;

    const auto read = raster::readBmp(file);
    if (read.value.has_value() == !read.error.empty())
        std::abort();
    if (!read)
        return 0;
    const raster::Bitmap& picture = *read.value;
    if (picture.width() != info.value->width || picture.height() != info.value->height)
        std::abort();  // the probe promised this shape

    const auto again = raster::readBmp(raster::encodeBmp24(picture));
    if (!again || !(*again.value == picture))
        std::abort();
    checkIndexedRoundTrip(picture);
    return 0;
}
