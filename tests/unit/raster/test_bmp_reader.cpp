#include <gtest/gtest.h>
#include <stdexcept>

#include "raster/BmpCodec.h"
#include "raster/test_bmp_files.h"
#include "support/AsciiBitmap.h"
#include "support/TempFolder.h"

using namespace bmptest;
using raster::BmpCompression;
using raster::kBlack;
using raster::kWhite;

namespace {

struct ReadCase {
    const char* name;
    FileLayout layout;
    std::vector<std::string_view> expected;
};

std::vector<raster::Colour> paddedTable(std::vector<raster::Colour> first, std::size_t size, raster::Colour last)
{
    first.resize(size, kBlack);
    first.back() = last;
    return first;
}

// Every depth, compression, header and row order the reader takes, each as a tiny file whose
// rows need padding.
std::vector<ReadCase> readCases()
{
    const std::vector<raster::Colour> rgb {kRed, kGreen, kBlue};
    return {
        {"1 bit bottom-up", {.bits = 1, .table = {kBlack, kWhite}, .pixels = {0xC0, 0, 0, 0, 0x40, 0, 0, 0}},
            {"#.#", "..#"}},
        {"1 bit top-down",
            {.height = -2, .bits = 1, .table = {kBlack, kWhite}, .pixels = {0x40, 0, 0, 0, 0xC0, 0, 0, 0}},
            {"#.#", "..#"}},
        {"4 bit, full table",
            {.bits = 4, .table = paddedTable(rgb, 16, kWhite), .pixels = {0x22, 0, 0, 0, 0x01, 0xF0, 0, 0}},
            {"rg.", "bbr"}},
        {"8 bit", {.bits = 8, .coloursUsed = 3, .table = rgb, .pixels = {2, 2, 0, 0, 0, 1, 2, 0}}, {"rgb", "bbr"}},
        {"24 bit bottom-up",
            {.pixels = {0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0}},
            {"rgb", "bbr"}},
        {"24 bit top-down",
            {.height = -2,
                .pixels = {0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0}},
            {"rgb", "bbr"}},
        {"16 bit, 5-5-5 by default",
            {.bits = 16,
                .pixels = {0xFF, 0x03, 0x00, 0x00, 0xFF, 0x7F, 0, 0, 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0}},
            {"rgb", "c#."}},
        {"16 bit, 5-6-5 bit fields",
            {.bits = 16,
                .compression = 3,
                .masks = {0xF800, 0x07E0, 0x001F},
                .pixels = {0xFF, 0x07, 0x00, 0x00, 0xFF, 0xFF, 0, 0, 0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}},
            {"rgb", "c#."}},
        {"RLE8 padded absolute run, end of line, repeats",
            rleLayout(8, {0, 3, 2, 2, 0, 0, 0, 0, 1, 0, 1, 1, 1, 2, 0, 1}), {"rgb", "bbr"}},
        {"RLE8 deltas, the last just past the last row, and an early end keep table entry 0",
            rleLayout(8, {1, 1, 0, 2, 1, 1, 1, 2, 0, 2, 0, 1, 0, 1}, {kWhite, kGreen, kBlue}), {"..b", "g.."}},
        {"RLE4 alternating run and absolute run", rleLayout(4, {3, 0x12, 0, 0, 0, 3, 0x01, 0x20, 0, 1}),
            {"rgb", "gbg"}},
    };
}

const ReadCase& caseNamed(const std::string& name)
{
    static const std::vector<ReadCase> cases = readCases();
    for (const ReadCase& c : cases) {
        if (c.name == name)
            return c;
    }
    throw std::logic_error("no read case " + name);
}

TEST(BmpReader, DecodesEveryDepthCompressionAndRowOrder)
{
    for (const ReadCase& c : readCases()) {
        const auto result = raster::readBmp(assemble(c.layout));
        ASSERT_TRUE(result) << c.name << ": " << result.error;
        EXPECT_TRUE(result.error.empty()) << c.name;
        EXPECT_BITMAP_EQ(testsupport::bitmapFromAscii(c.expected), *result.value) << c.name;
    }
}

TEST(BmpReader, ProbeReportsTheDeclaredShapeWithoutDecoding)
{
    const auto topDown = raster::probeBmp(assemble(caseNamed("1 bit top-down").layout));
    ASSERT_TRUE(topDown) << topDown.error;
    EXPECT_EQ(*topDown.value, (raster::BmpInfo {3, 2, 1, BmpCompression::None, true}));

    // A broken RLE stream is a decoding matter: the probe passes it, the reader does not.
    FileLayout rle = caseNamed("RLE8 padded absolute run, end of line, repeats").layout;
    rle.pixels = {9, 0, 0, 1};
    const auto probed = raster::probeBmp(assemble(rle));
    ASSERT_TRUE(probed) << probed.error;
    EXPECT_EQ(*probed.value, (raster::BmpInfo {3, 2, 8, BmpCompression::Rle8, false}));
    EXPECT_FALSE(raster::readBmp(assemble(rle)));
}

TEST(BmpReader, EveryShorterPrefixOfAValidFileIsRefused)
{
    for (const ReadCase& c : readCases()) {
        const Bytes whole = assemble(c.layout);
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const auto result = raster::readBmp(std::span(whole).first(length));
            ASSERT_FALSE(result) << c.name << " cut to " << length;
            ASSERT_FALSE(result.error.empty()) << c.name << " cut to " << length;
        }
    }
}

TEST(BmpReader, ReadsFilesAndNamesTheOneItCannotRead)
{
    TempFolder temp;
    const Bytes file = assemble(caseNamed("24 bit bottom-up").layout);
    const std::string path = temp.write("clip.dwc", std::string(file.begin(), file.end()));
    const auto read = raster::readBmpFile(path);
    ASSERT_TRUE(read) << read.error;
    EXPECT_BITMAP_EQ(testsupport::bitmapFromAscii({"rgb", "bbr"}), *read.value);

    for (const std::string& bad : {temp.path() + "missing.bmp", temp.makeFolder("folder.bmp")}) {
        const auto result = raster::readBmpFile(bad);
        EXPECT_FALSE(result) << bad;
        EXPECT_NE(result.error.find(bad), std::string::npos) << result.error;
    }
}

}  // namespace
