// The opening drawing of the name screen and its animation.
#include <gtest/gtest.h>
#include <set>

#include "dabwick/OpeningAnimation.h"
#include "dabwick/Regions.h"
#include "dabwick/Resources.h"
#include "raster/BmpCodec.h"

using dabwick::OpeningAnimation;
using raster::Colour;

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

TEST(OpeningDrawing, HasOneTableEntryPerAreaInScanOrderWithTheSkyFirst)
{
    const std::vector<dabwick::Region> regions = dabwick::findRegions(drawing());
    ASSERT_EQ(regions.size(), 752u);
    for (std::size_t e = 0; e < regions.size(); ++e) {
        EXPECT_EQ(table().seedX[e], regions[e].seed.x) << e;
        EXPECT_EQ(table().seedY[e], regions[e].seed.y) << e;
    }
    EXPECT_EQ(table().seedX[0], 4);
    EXPECT_EQ(table().seedY[0], 4);
    // The ladybird at the bottom is small, the hills are a great part of the picture.
    EXPECT_LT(regions.back().area, 400);
    for (int y = 0; y < drawing().height(); ++y) {
        for (int x = 0; x < drawing().width(); ++x)
            ASSERT_TRUE(drawing().pixel(x, y) == raster::kBlack || drawing().pixel(x, y) == raster::kWhite);
    }
}

TEST(OpeningDrawing, SchemesHaveTheirSkiesBottomAreasAndNumbersOfColours)
{
    struct Scheme {
        Colour sky, banner, hills, roof, last;
        std::size_t colours;
    };
    const Scheme schemes[] = {
        {Colour::rgb(186, 255, 255), Colour::rgb(216, 0, 0), Colour::rgb(0, 152, 0), Colour::rgb(52, 52, 52),
            Colour::rgb(139, 0, 0), 32},
        {Colour::rgb(205, 195, 255), Colour::rgb(255, 206, 255), Colour::rgb(79, 138, 103), Colour::rgb(133, 133, 133),
            Colour::rgb(199, 161, 122), 26},
        {Colour::rgb(112, 255, 255), Colour::rgb(255, 198, 198), Colour::rgb(104, 160, 40), Colour::rgb(32, 32, 32),
            Colour::rgb(0, 0, 197), 29},
        {Colour::rgb(0, 0, 119), Colour::rgb(255, 255, 178), Colour::rgb(112, 176, 32), Colour::rgb(52, 52, 52),
            Colour::rgb(200, 136, 136), 33},
    };
    for (std::size_t s = 0; s < std::size(schemes); ++s) {
        const auto& colours = table().colours[s];
        EXPECT_EQ(colours.front(), schemes[s].sky) << s;
        EXPECT_EQ(colours.back(), schemes[s].last) << s;
        const std::set<std::uint32_t> distinct = [&] {
            std::set<std::uint32_t> all;
            for (const Colour c : colours)
                all.insert(c.value());
            return all;
        }();
        EXPECT_EQ(distinct.size(), schemes[s].colours) << s;
        EXPECT_FALSE(distinct.contains(raster::kBlack.value())) << s;
        for (const Colour c : {schemes[s].banner, schemes[s].hills, schemes[s].roof})
            EXPECT_TRUE(distinct.contains(c.value())) << s << ": " << std::hex << c.value();
    }
}

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

TEST(OpeningTable, ReadsBackWhatWasWrittenAndRefusesOtherLengths)
{
    const std::vector<std::uint8_t> bytes = dabwick::encodeOpeningTable(table());
    EXPECT_EQ(bytes.size(), 6u * 752u * 4u);
    EXPECT_EQ(dabwick::encodeOpeningTable(*dabwick::decodeOpeningTable(bytes)), bytes);
    EXPECT_FALSE(dabwick::decodeOpeningTable(std::span(bytes).first(bytes.size() - 1)));
    EXPECT_FALSE(dabwick::decodeOpeningTable({}));
}
