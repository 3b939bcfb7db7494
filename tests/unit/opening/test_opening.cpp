// The opening drawing of the name screen and its animation.
#include <gtest/gtest.h>
#include <set>

#include "dabwick/OpeningAnimation.h"
#include "dabwick/Resources.h"
#include "raster/BmpCodec.h"

using dabwick::OpeningAnimation;

namespace {

const raster::Bitmap& drawing()
{
    static const raster::Bitmap picture
        = *raster::readBmp(dabwick::builtInResources().find("opening", "image")->bytes).value;
    return picture;
}

const dabwick::OpeningTable& table()
{
    static const dabwick::OpeningTable regions
        = *dabwick::decodeOpeningTable(dabwick::builtInResources().find("openingregions", "table")->bytes);
    return regions;
}

}  // namespace

TEST(OpeningAnimation, ColoursEveryAreaExactlyOnceWithTheLastEntryLast)
{
    for (int scheme = 0; scheme < dabwick::kOpeningSchemes; ++scheme) {
        std::optional<OpeningAnimation> opening = OpeningAnimation::builtIn(dabwick::builtInResources(), 7 + scheme);
        ASSERT_TRUE(opening);
        EXPECT_EQ(opening->picture(), drawing()) << "the line drawing shows before the first tick";
        opening->start(scheme);
        ASSERT_EQ(opening->lbcount().size(), 752u);
        std::vector<int> order;
        while (const std::optional<dabwick::OpeningStep> step = opening->tick()) {
            const std::size_t e = std::size_t(step->entry);
            EXPECT_EQ(
                opening->picture().pixel(table().seedX[e], table().seedY[e]), table().colours[std::size_t(scheme)][e]);
            order.push_back(step->entry);
        }
        ASSERT_EQ(order.size(), 752u) << scheme;
        EXPECT_EQ(order.back(), 751) << scheme;
        EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 752u) << scheme;
        EXPECT_TRUE(opening->lbcount().empty());
        for (int y = 0; y < drawing().height(); ++y) {
            for (int x = 0; x < drawing().width(); ++x)
                ASSERT_EQ(opening->picture().pixel(x, y) == raster::kBlack, drawing().pixel(x, y) == raster::kBlack);
        }
    }
}

TEST(OpeningAnimation, PicksEverySchemeAndDifferentOrdersForDifferentSeeds)
{
    std::set<int> schemes;
    std::set<int> firstEntries;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        OpeningAnimation opening(drawing(), table(), seed);
        schemes.insert(opening.pickScheme());
        opening.start(0);
        firstEntries.insert(opening.tick()->entry);
    }
    EXPECT_EQ(schemes, (std::set<int> {0, 1, 2, 3}));
    EXPECT_GT(firstEntries.size(), 30u);
}
