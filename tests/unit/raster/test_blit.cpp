#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>
#include <vector>

#include "raster/Blit.h"
#include "support/AsciiBitmap.h"

namespace {

using namespace raster;
using testsupport::bitmapFromAscii;

Bitmap source()
{
    return bitmapFromAscii({
        "rg",
        "by",
    });
}

TEST(Bitmap, ANegativeSideIsRefusedAndAZeroSideLeavesNoPixels)
{
    EXPECT_THROW(Bitmap(-1, 5), std::invalid_argument);
    EXPECT_THROW(Bitmap(5, -1), std::invalid_argument);
    for (const Bitmap& b : {Bitmap(0, 5), Bitmap(5, 0)}) {
        EXPECT_TRUE(b.empty());
        EXPECT_EQ(b.width() + b.height(), 0);
    }
}

TEST(Copy, ClipsOnEverySide)
{
    struct Case {
        Point at;
        Rect changed;
        std::vector<std::string_view> expected;
    };
    const std::vector<Case> cases {
        {{1, 1}, {1, 1, 3, 3}, {"....", ".rg.", ".by."}},
        {{-1, -1}, {0, 0, 1, 1}, {"y...", "....", "...."}},
        {{3, 2}, {3, 2, 4, 3}, {"....", "....", "...r"}},
        {{-1, 2}, {0, 2, 1, 3}, {"....", "....", "g..."}},
        {{4, 0}, {}, {"....", "....", "...."}},
        {{std::numeric_limits<int>::min(), 1}, {}, {"....", "....", "...."}},
        {{1, std::numeric_limits<int>::max()}, {}, {"....", "....", "...."}},
    };
    for (const Case& c : cases) {
        Bitmap b(4, 3);
        EXPECT_EQ(c.changed, copyBitmap(b, c.at, source())) << c.at.x << "," << c.at.y;
        EXPECT_BITMAP_EQ(bitmapFromAscii(c.expected), b);
    }
}

TEST(Cropped, KeepsOnlyThePartOnTheSource)
{
    EXPECT_BITMAP_EQ(bitmapFromAscii({"g", "y"}), cropped(source(), {1, -5, 9, 9}));
    EXPECT_TRUE(cropped(source(), {5, 5, 9, 9}).empty());
}

}  // namespace
