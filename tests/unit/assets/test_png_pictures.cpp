// Button pictures and cursors are PNG files with an alpha channel: without it a picture would
// carry a box around it over the button face or the picture under the cursor.
#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>

#include "dabwick/Resources.h"
#include "support/ResourceBytes.h"

namespace {

using testsupport::bigEndianAt;

// The side of the square PNG that starts at `at`, or 0 when it is no RGBA PNG.
std::uint32_t rgbaSquareSide(const dabwick::Resource& resource, std::size_t at)
{
    const std::uint8_t start[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    const std::size_t colourTypeAt = at + 25;
    constexpr std::uint8_t kTruecolourWithAlpha = 6;
    if (resource.bytes.size() <= colourTypeAt
        || !std::equal(std::begin(start), std::end(start), resource.bytes.begin() + std::ptrdiff_t(at))
        || resource.bytes[colourTypeAt] != kTruecolourWithAlpha)
        return 0;
    const std::uint32_t width = bigEndianAt(resource, at + 16);
    return width == bigEndianAt(resource, at + 20) ? width : 0;
}

TEST(PngPictures, GlyphsAreSquareRgbaPngs)
{
    const auto glyphs = testsupport::resourcesOfType("GLYPH");
    EXPECT_GT(glyphs.size(), 30u);
    for (const dabwick::Resource* r : glyphs) {
        const std::uint32_t side = rgbaSquareSide(*r, 0);
        EXPECT_TRUE(side >= 16 && side <= 64) << r->name << " side " << side;
    }
}

// A cursor: hot spot x and y, a byte each, then a 32 by 32 PNG.
TEST(PngPictures, CursorsAre32By32WithTheHotSpotInside)
{
    const auto cursors = testsupport::resourcesOfType("CURSOR");
    EXPECT_EQ(cursors.size(), 47u);
    for (const dabwick::Resource* r : cursors) {
        EXPECT_EQ(rgbaSquareSide(*r, 2), 32u) << r->name;
        EXPECT_TRUE(r->bytes[0] < 32 && r->bytes[1] < 32) << r->name;
    }
}

}  // namespace
