#include <gtest/gtest.h>

#include "raster/BmpCodec.h"
#include "raster/test_bmp_files.h"

using namespace bmptest;

namespace {

const std::vector<raster::Colour> kRgb {kRed, kGreen, kBlue};

Bytes patched(Bytes file, std::size_t at, std::uint32_t value, int size)
{
    putAt(file, at, value, size);
    return file;
}

Bytes cut(Bytes file, std::size_t size)
{
    file.resize(size);
    return file;
}

Bytes indexed8(Bytes pixels)
{
    return assemble({.bits = 8, .coloursUsed = 3, .table = kRgb, .pixels = std::move(pixels)});
}

Bytes rle(std::uint16_t bits, Bytes stream)
{
    return assemble(rleLayout(bits, std::move(stream)));
}

Bytes bitFields16(std::vector<std::uint32_t> masks)
{
    return assemble({.bits = 16, .compression = 3, .masks = std::move(masks), .pixels = Bytes(16, 0)});
}

std::uint32_t negative(std::int32_t value)
{
    return std::uint32_t(value);
}

struct BadCase {
    const char* name;
    Bytes file;
    const char* reason;  // a part of the error message that names the fault
};

TEST(BmpMalformed, EachFaultIsRefusedWithItsReason)
{
    const Bytes f24 = assemble({.pixels = Bytes(24, 0)});
    const Bytes f8 = indexed8({2, 2, 0, 0, 0, 1, 2, 0});
    const BadCase cases[] = {
        {"empty file", {}, "does not begin with \"BM\""},
        {"unknown header size", patched(f24, 14, 41, 4), "header size 41"},
        {"header cut short", cut(f24, 30), "40-byte header runs past the end"},
        {"too wide", patched(f24, 18, 16385, 4), "larger than any picture"},
        {"2 bits per pixel", patched(f24, 28, 2, 2), "depth of 2 bits"},
        {"JPEG pixels", patched(f24, 30, 4, 4), "JPEG"},
        {"RLE8 at 24 bits", patched(f24, 30, 1, 4), "RLE8 compression needs 8 bits per pixel, not 24"},
        {"bit fields at 24 bits", patched(f24, 30, 3, 4), "need 16 or 32 bits per pixel, not 24"},
        {"top-down RLE8", patched(rle(8, {0, 1}), 22, negative(-2), 4), "top-down"},
        {"257 colours", patched(f8, 46, 257, 4), "257 entries is too large for 8-bit"},
        {"pixel offset inside the headers", patched(f24, 10, 50, 4), "offset 50 points into the headers"},
        {"last pixel byte missing", cut(f24, f24.size() - 1),
            "pixels need 24 bytes after offset 54 but the file has 23"},
        {"largest picture in a tiny file", patched(patched(f24, 18, 16384, 4), 22, 16384, 4),
            "pixels need 805306368 bytes"},
        {"empty red mask", bitFields16({0, 0x03E0, 0x001F}), "red bit mask is empty"},
        {"green mask in two runs", bitFields16({0x7C00, 0x0360, 0x001F}), "green bit mask is not one run"},
        {"overlapping masks", bitFields16({0x7C00, 0x07E0, 0x001F}), "masks overlap"},
        {"8-bit index beyond the table", indexed8({2, 2, 3, 0, 0, 1, 2, 0}),
            "pixel (2, 1) uses colour 3 but the colour table has only 3 entries"},
        {"RLE8 run past the row padding", rle(8, {5, 0, 0, 1}),
            "run of 5 pixels at column 0 of stored row 0 passes the end"},
        {"RLE8 delta past the last row", rle(8, {0, 2, 0, 3, 0, 1}), "leaves the picture"},
        {"RLE4 run past the row padding", rle(4, {9, 0x12, 0, 1}), "run of 9 pixels"},
    };
    for (const BadCase& c : cases) {
        const auto result = raster::readBmp(c.file);
        EXPECT_FALSE(result) << c.name;
        EXPECT_NE(result.error.find(c.reason), std::string::npos) << c.name << ": " << result.error;
    }
}

}  // namespace
