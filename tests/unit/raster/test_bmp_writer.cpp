#include <functional>
#include <gtest/gtest.h>

#include "raster/BmpCodec.h"
#include "raster/test_bmp_files.h"
#include "support/AsciiBitmap.h"
#include "support/TestPictures.h"

using namespace bmptest;
using raster::Bitmap;
using raster::Colour;
using raster::kBlack;
using raster::kWhite;

namespace {

using Encoder = std::function<Bytes(const Bitmap&)>;
using Table = std::vector<Colour>;

std::uint32_t field(const Bytes& file, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | file.at(at + std::size_t(i));
    return value;
}

// Unwraps an indexed encoding that the test expects to succeed.
Bytes encoded(const raster::BmpResult<Bytes>& result)
{
    EXPECT_TRUE(result) << result.error;
    return result.value.value_or(Bytes {});
}

const Table kBlackWhite {kBlack, kWhite};
const Table kClipColours {kRed, kBlack, kWhite};

// A different colour for each of 256 entries.
std::vector<Colour> rampTable(std::size_t size)
{
    std::vector<Colour> table;
    for (std::size_t i = 0; i < size; ++i)
        table.push_back(Colour::rgb(std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7)));
    return table;
}

// A picture that uses every colour of the table in a pattern that differs from row to row.
Bitmap patterned(int width, int height, const std::vector<Colour>& table)
{
    Bitmap out(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            out.setPixel(x, y, table[std::size_t(x * 7 + y * 3) % table.size()]);
    }
    return out;
}

Bytes page(const Bitmap& bitmap)
{
    return encoded(raster::encodeBmp1(bitmap, kBlackWhite, {.pixelsPerMetre = 2677, .recordImageSize = false}));
}

struct HeaderCase {
    const char* name;
    Bytes file;
    std::uint32_t fileSize, offset, width, height, bits, imageSize, resolution;
};

TEST(BmpWriter, HeadersCarryTheProgramsFileLayouts)
{
    const Bitmap pad(660, 444);
    const HeaderCase cases[] = {
        {"picture file", raster::encodeBmp24(Bitmap(660, 888)), 1758294, 54, 660, 888, 24, 1758240, 0},
        {"picture copy", raster::encodeBmp24(pad), 879174, 54, 660, 444, 24, 879120, 0},
        {"drawn clip", raster::encodeBmp24(Bitmap(64, 64)), 12342, 54, 64, 64, 24, 12288, 0},
        {"colouring page", page(pad), 37358, 62, 660, 444, 1, 0, 2677},
        {"built-in clip", encoded(raster::encodeBmp4(Bitmap(64, 64, kRed), kClipColours)), 2166, 118, 64, 64, 4, 2048,
            0},
        {"8-bit clip", encoded(raster::encodeBmp8(Bitmap(64, 64), kClipColours)), 5174, 1078, 64, 64, 8, 4096, 0},
        {"palette",
            encoded(raster::encodeBmp8(patterned(90, 390, rampTable(256)), rampTable(256), {.pixelsPerMetre = 3780})),
            36958, 1078, 90, 390, 8, 35880, 3780},
    };
    for (const HeaderCase& c : cases) {
        const struct {
            std::size_t at;
            int size;
            std::uint32_t value;
        } fields[] = {
            {0, 2, 'B' | 'M' << 8},
            {2, 4, c.fileSize},
            {6, 4, 0},
            {10, 4, c.offset},
            {14, 4, 40},
            {18, 4, c.width},
            {22, 4, c.height},
            {26, 2, 1},
            {28, 2, c.bits},
            {30, 4, 0},
            {34, 4, c.imageSize},
            {38, 4, c.resolution},
            {42, 4, c.resolution},
            {46, 4, 0},
            {50, 4, 0},
        };
        ASSERT_EQ(c.file.size(), c.fileSize) << c.name;
        for (const auto& f : fields)
            EXPECT_EQ(field(c.file, f.at, f.size), f.value) << c.name << " at offset " << f.at;
    }
}

TEST(BmpWriter, ColourTablesArePaddedWithBlackToTheirFullSize)
{
    const Bytes pageFile = page(Bitmap(660, 444));
    EXPECT_EQ(Bytes(pageFile.begin() + 54, pageFile.begin() + 62), (Bytes {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));

    // The table is a part of a longer list: what follows it is not written.
    const Table longer {kRed, kBlack, kWhite, kGreen};
    const Bytes clip = encoded(raster::encodeBmp4(Bitmap(64, 64), std::span(longer).first(3)));
    EXPECT_EQ(Bytes(clip.begin() + 54, clip.begin() + 66), (Bytes {0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
    EXPECT_EQ(Bytes(clip.begin() + 66, clip.begin() + 118), Bytes(52, 0));
}

// The reader is checked against hand-made files, so reading back the same picture shows that
// every writer stores its rows bottom-up, padded, leftmost pixel in the high bits.
TEST(BmpWriter, EveryWriterReadsBackToTheSamePicture)
{
    const Table table16 = rampTable(16);
    const Table table256 = rampTable(256);
    const struct {
        const char* name;
        std::function<Bitmap(int, int)> draw;
        Encoder encode;
    } writers[] = {
        {"1 bit", [](int w, int h) { return patterned(w, h, kBlackWhite); },
            [](const Bitmap& b) { return encoded(raster::encodeBmp1(b, kBlackWhite)); }},
        {"4 bit", [&](int w, int h) { return patterned(w, h, table16); },
            [&](const Bitmap& b) { return encoded(raster::encodeBmp4(b, table16)); }},
        {"8 bit", [&](int w, int h) { return patterned(w, h, table256); },
            [&](const Bitmap& b) { return encoded(raster::encodeBmp8(b, table256)); }},
        {"24 bit", testsupport::noisyPicture, [](const Bitmap& b) { return raster::encodeBmp24(b); }},
    };
    const std::pair<int, int> sizes[] = {{1, 1}, {3, 2}, {5, 3}, {7, 1}, {33, 2}, {64, 64}};
    for (const auto& w : writers) {
        for (auto [width, height] : sizes) {
            const Bitmap original = w.draw(width, height);
            const auto read = raster::readBmp(w.encode(original));
            ASSERT_TRUE(read) << w.name << " " << width << "x" << height << ": " << read.error;
            EXPECT_BITMAP_EQ(original, *read.value) << w.name << " " << width << "x" << height;
        }
    }
}

TEST(BmpWriter, IndexedWritersRefuseColoursAndTablesThatDoNotFit)
{
    Bitmap withRed(4, 3, kWhite);
    withRed.setPixel(2, 1, kRed);
    const auto missing = raster::encodeBmp1(withRed, kBlackWhite);
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find("(2, 1)"), std::string::npos) << missing.error;
    EXPECT_NE(missing.error.find("(255, 0, 0)"), std::string::npos) << missing.error;

    const Bitmap white(2, 2);
    EXPECT_FALSE(raster::encodeBmp1(white, Table {kBlack, kWhite, kRed}));
    EXPECT_FALSE(raster::encodeBmp4(white, rampTable(17)));
    EXPECT_FALSE(raster::encodeBmp8(white, Table {}));
    EXPECT_TRUE(raster::encodeBmp8(white, Table {kWhite}));
}

}  // namespace
