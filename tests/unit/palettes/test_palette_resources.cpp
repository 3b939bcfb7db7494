#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

#include "dabwick/PaletteStrip.h"
#include "dabwick/Palettes.h"
#include "dabwick/Resources.h"
#include "raster/BmpCodec.h"

using raster::Colour;

namespace {

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

// The palettes are written out for parents to copy and change: 8-bit, as the built-in ones
// always were; the main palette is 24-bit.
TEST(PaletteResources, EveryPaletteIsAFullGridOfItsDepthAndNoneRepeats)
{
    std::vector<std::pair<std::string, std::string>> names {{dabwick::kMainPaletteResource, dabwick::kStripType}};
    for (std::size_t slot = 1; slot <= dabwick::kPaletteNames.size(); ++slot)
        names.emplace_back("palette" + std::to_string(slot), "palette");
    std::vector<raster::Bitmap> seen;
    for (const auto& [name, type] : names) {
        const dabwick::Resource* palette = dabwick::builtInResources().find(name, type);
        ASSERT_NE(palette, nullptr) << name;
        const auto info = raster::probeBmp(palette->bytes);
        ASSERT_TRUE(info) << name;
        EXPECT_EQ(info.value->bitsPerPixel, type == "palette" ? 8 : 24) << name;
        const raster::Bitmap grid = decoded(*palette);
        EXPECT_TRUE(isFullGrid(grid)) << name;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), grid), 0) << name << " repeats an earlier palette";
        seen.push_back(grid);
    }
}
