#include <cstdint>
#include <gtest/gtest.h>
#include <string>

#include "dabwick/PaletteStrip.h"
#include "dabwick/Palettes.h"
#include "dabwick/Resources.h"
#include "support/ResourceBytes.h"
#include "raster/BmpCodec.h"

using raster::Colour;

namespace {

using testsupport::littleEndianAt;

raster::Bitmap decoded(const dabwick::Resource& resource)
{
    raster::BmpResult<raster::Bitmap> read = raster::readBmp(resource.bytes);
    return read ? *read.value : raster::Bitmap();
}

// The grid every built-in palette keeps: 6 by 26 squares of 13 by 13 pixels at 1 + 15k on white,
// each square one colour, never black (the line colour) nor white (the paper).
::testing::AssertionResult isFullGrid(const raster::Bitmap& palette)
{
    if (palette.width() != 90 || palette.height() != 390)
        return ::testing::AssertionFailure() << "size " << palette.width() << " by " << palette.height();
    for (int y = 0; y < 390; ++y) {
        for (int x = 0; x < 90; ++x) {
            const bool inSquare = x % 15 != 0 && x % 15 != 14 && x < 89 && y % 15 != 0 && y % 15 != 14 && y < 389;
            const Colour c = palette.pixel(x, y);
            if (!inSquare && c != raster::kWhite)
                return ::testing::AssertionFailure() << "gap pixel " << x << ", " << y << " is not white";
            if (!inSquare)
                continue;
            const Colour corner = palette.pixel(x - (x - 1) % 15, y - (y - 1) % 15);
            if (c != corner)
                return ::testing::AssertionFailure() << "square at " << x << ", " << y << " is not one colour";
            if (c == raster::kBlack || c == raster::kWhite)
                return ::testing::AssertionFailure() << "square at " << x << ", " << y << " is black or white";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(PaletteResources, EightPaletteFilesOfTheBuiltInShape)
{
    for (std::size_t slot = 1; slot <= dabwick::kPaletteNames.size(); ++slot) {
        const std::string name = "palette" + std::to_string(slot);
        const dabwick::Resource* palette = dabwick::builtInResources().find(name, "palette");
        ASSERT_NE(palette, nullptr) << name;
        ASSERT_EQ(palette->bytes.size(), 36958u) << name;
        EXPECT_EQ(palette->bytes[0], 'B') << name;
        EXPECT_EQ(palette->bytes[1], 'M') << name;
        EXPECT_EQ(littleEndianAt(*palette, 10, 4), 1078u) << name << ": headers and a full colour table";
        EXPECT_EQ(littleEndianAt(*palette, 14, 4), 40u) << name << ": information header";
        EXPECT_EQ(littleEndianAt(*palette, 18, 4), 90u) << name;
        EXPECT_EQ(littleEndianAt(*palette, 22, 4), 390u) << name << ": bottom-up rows";
        EXPECT_EQ(littleEndianAt(*palette, 28, 2), 8u) << name << ": bits per pixel";
        EXPECT_EQ(littleEndianAt(*palette, 30, 4), 0u) << name << ": uncompressed";
        EXPECT_EQ(littleEndianAt(*palette, 38, 4), 3780u) << name << ": horizontal resolution";
        EXPECT_EQ(littleEndianAt(*palette, 42, 4), 3780u) << name << ": vertical resolution";
        EXPECT_TRUE(isFullGrid(decoded(*palette))) << name;
    }
}

TEST(PaletteResources, PalettesDifferFromEachOtherAndFromTheMainPalette)
{
    std::vector<raster::Bitmap> seen {decoded(*dabwick::builtInResources().find("mainpalette", "image"))};
    for (std::size_t slot = 1; slot <= dabwick::kPaletteNames.size(); ++slot) {
        const raster::Bitmap palette
            = decoded(*dabwick::builtInResources().find("palette" + std::to_string(slot), "palette"));
        for (const raster::Bitmap& earlier : seen)
            EXPECT_NE(palette, earlier) << "palette" << slot << " repeats an earlier palette";
        seen.push_back(palette);
    }
}

TEST(PaletteResources, MainPaletteIsAFullGridOf24BitColour)
{
    const dabwick::Resource* main
        = dabwick::builtInResources().find(dabwick::kMainPaletteResource, dabwick::kStripType);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(littleEndianAt(*main, 28, 2), 24u);
    EXPECT_TRUE(isFullGrid(decoded(*main)));
}

TEST(PaletteResources, StripHasItsFixedSquaresRulesAndFrame)
{
    const dabwick::Resource* resource = dabwick::builtInResources().find(dabwick::kStripResource, dabwick::kStripType);
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(littleEndianAt(*resource, 28, 2), 24u);
    const raster::Bitmap strip = decoded(*resource);
    ASSERT_EQ(strip.width(), 96);
    ASSERT_EQ(strip.height(), 464);

    struct Square {
        int x;
        int y;
        Colour colour;
    };
    const auto grey = [](std::uint8_t v) { return Colour::rgb(v, v, v); };
    const Square squares[] = {
        {4, 4, Colour::rgb(97, 2, 4)},
        {19, 4, Colour::rgb(0, 128, 0)},
        {34, 4, Colour::rgb(128, 128, 0)},
        {49, 4, Colour::rgb(0, 0, 128)},
        {64, 4, Colour::rgb(128, 0, 128)},
        {79, 4, Colour::rgb(0, 128, 128)},
        {4, 19, Colour::rgb(255, 0, 0)},
        {19, 19, Colour::rgb(0, 255, 0)},
        {34, 19, Colour::rgb(255, 255, 0)},
        {49, 19, Colour::rgb(0, 0, 255)},
        {64, 19, Colour::rgb(255, 0, 255)},
        {79, 19, Colour::rgb(0, 255, 255)},
        {4, 432, grey(32)},
        {19, 432, grey(52)},
        {34, 432, grey(73)},
        {49, 432, grey(93)},
        {64, 432, grey(113)},
        {79, 432, grey(133)},
        {4, 447, grey(154)},
        {19, 447, grey(174)},
        {34, 447, grey(194)},
        {49, 447, grey(214)},
        {64, 447, grey(235)},
        {79, 447, raster::kWhite},
    };
    // Every pixel of the strip outside the palette area, as it must be.
    const auto expected = [&](int x, int y) {
        const bool frame = x < 2 || y < 2 || x >= 94 || y >= 462;
        const bool rule = y == 34 || y == 35 || y == 428 || y == 429;
        if (frame || rule)
            return raster::kBlack;
        for (const Square& s : squares) {
            if (x >= s.x && x < s.x + 13 && y >= s.y && y < s.y + 13)
                return s.colour;
        }
        return raster::kWhite;
    };
    int wrong = 0;
    for (int y = 0; y < 464; ++y) {
        for (int x = 0; x < 96; ++x) {
            const bool paletteArea = x >= 3 && x < 93 && y >= 37 && y < 427;
            const Colour want = paletteArea ? raster::kWhite : expected(x, y);
            if (strip.pixel(x, y) != want && ++wrong <= 5)
                ADD_FAILURE() << "strip pixel " << x << ", " << y << " is " << std::hex << strip.pixel(x, y).value()
                              << ", not " << want.value();
        }
    }
    EXPECT_EQ(wrong, 0);
}
