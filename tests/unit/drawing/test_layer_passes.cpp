// The word-at-a-time layer passes against the plain per-pixel rule, on pictures where black,
// nearly black and coloured pixels are mixed at random and areas start and end anywhere.
#include <gtest/gtest.h>
#include <random>

#include "dabwick/LayerPasses.h"

namespace {

using raster::Bitmap;
using raster::Colour;
using raster::Rect;

// Channels drawn mostly from 0 and 1, so black, nearly black and lone zero channels are common.
Bitmap randomPicture(std::mt19937& random, int width, int height, int blackPercent)
{
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> channel(0, 5);
    const auto pick = [&] {
        const int c = channel(random);
        return std::uint8_t(c < 2 ? c : c * 51);
    };
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bitmap.setPixel(x, y, percent(random) < blackPercent ? raster::kBlack : Colour::rgb(pick(), pick(), pick()));
    }
    return bitmap;
}

struct Case {
    const char* name;
    int blackPercent;
    Rect area;
};

class LayerPasses : public testing::TestWithParam<Case> { };

TEST_P(LayerPasses, AgreeWithThePerPixelRule)
{
    const Case& c = GetParam();
    std::mt19937 random(7);
    const Bitmap lineArt = randomPicture(random, 53, 9, c.blackPercent);
    const Bitmap before = randomPicture(random, 53, 9, 10);
    const Rect area = c.area.intersected(Rect::fromSize(53, 9));

    Bitmap restored = before;
    dabwick::RestoreLineArt(restored, lineArt, c.area);
    Bitmap lifted = before;
    dabwick::LiftZeroChannels(lifted, c.area);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 53; ++x) {
            const Colour was = before.pixel(x, y);
            const bool in = area.contains({x, y});
            const Colour line = in && lineArt.pixel(x, y) == raster::kBlack ? raster::kBlack : was;
            EXPECT_EQ(restored.pixel(x, y), line) << "restore at " << x << ", " << y;
            const auto lift = [&](std::uint8_t v) { return std::uint8_t(in && v == 0 ? 1 : v); };
            EXPECT_EQ(lifted.pixel(x, y), Colour::rgb(lift(was.red()), lift(was.green()), lift(was.blue())))
                << "lift at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Areas, LayerPasses,
                         testing::Values(Case {"whole", 30, {0, 0, 53, 9}}, Case {"odd edges", 30, {3, 1, 50, 8}},
                                         Case {"under one block", 50, {5, 2, 12, 3}},
                                         Case {"mostly lines", 90, {1, 0, 52, 9}},
                                         Case {"no lines", 0, {0, 0, 53, 9}},
                                         Case {"past the edges", 30, {-20, -5, 80, 20}}),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 ch = ch == ' ' ? '_' : ch;
                             return name;
                         });

}  // namespace
