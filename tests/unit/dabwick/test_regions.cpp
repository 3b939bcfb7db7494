#include <gtest/gtest.h>

#include "dabwick/Regions.h"
#include "support/AsciiBitmap.h"

using namespace dabwick;

TEST(Regions, AreFoundInScanOrderOfTheirSeedsAndMeetOnlySideBySide)
{
    const raster::Bitmap picture = testsupport::bitmapFromAscii({
        "..#r.",
        "###..",
        ".#.#.",
        "#.#..",
    });
    const std::vector<Region> regions = findRegions(picture);
    struct Expected {
        raster::Point seed;
        int area;
    };
    const Expected expected[] = {{{0, 0}, 2}, {{3, 0}, 7}, {{0, 2}, 1}, {{2, 2}, 1}, {{1, 3}, 1}};
    ASSERT_EQ(regions.size(), std::size(expected));
    for (std::size_t i = 0; i < regions.size(); ++i) {
        EXPECT_EQ(regions[i].seed.x, expected[i].seed.x) << i;
        EXPECT_EQ(regions[i].seed.y, expected[i].seed.y) << i;
        EXPECT_EQ(regions[i].area, expected[i].area) << i;
    }
}
