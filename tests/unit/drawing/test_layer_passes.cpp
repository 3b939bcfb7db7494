// The word-at-a-time layer passes against the plain per-pixel rule, on pictures where black,
// nearly black and coloured pixels are mixed at random and areas start and end anywhere.
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>

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
            bitmap.setPixel(
                x, y, percent(random) < blackPercent ? raster::kBlack : Colour::rgb(pick(), pick(), pick()));
    }
    return bitmap;
}

// Areas of every kind: whole, with odd edges, under one block of pixels, past the edges; pictures
// mostly of lines and without any.
TEST(LayerPasses, AgreeWithThePerPixelRule)
{
    const std::tuple<int, Rect> cases[] = {{30, {0, 0, 53, 9}}, {30, {3, 1, 50, 8}}, {50, {5, 2, 12, 3}},
        {90, {1, 0, 52, 9}}, {0, {0, 0, 53, 9}}, {30, {-20, -5, 80, 20}}};
    std::mt19937 random(7);
    for (const auto& [blackPercent, areaAsked] : cases) {
        const Bitmap lineArt = randomPicture(random, 53, 9, blackPercent);
        const Bitmap before = randomPicture(random, 53, 9, 10);
        const Rect area = areaAsked.intersected(Rect::fromSize(53, 9));

        Bitmap restored = before;
        dabwick::RestoreLineArt(restored, lineArt, areaAsked);
        Bitmap lifted = before;
        dabwick::LiftZeroChannels(lifted, areaAsked);
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 53; ++x) {
                const Colour was = before.pixel(x, y);
                const bool in = area.contains({x, y});
                const Colour line = in && lineArt.pixel(x, y) == raster::kBlack ? raster::kBlack : was;
                ASSERT_EQ(restored.pixel(x, y), line) << "restore at " << x << ", " << y;
                const auto lift = [&](std::uint8_t v) { return std::uint8_t(in && v == 0 ? 1 : v); };
                ASSERT_EQ(lifted.pixel(x, y), Colour::rgb(lift(was.red()), lift(was.green()), lift(was.blue())))
                    << "lift at " << x << ", " << y;
            }
        }
    }
}

// The outline pass as the description words it, pixel by pixel: a black frame, then row by row,
// in place, the lower pixel of each differing pair below and the right pixel of each pair beside
// turn black on both layers.
bool plainOutline(Bitmap& picture, Bitmap& lineArt)
{
    const int w = picture.width(), h = picture.height();
    for (Bitmap* b : {&picture, &lineArt}) {
        for (int x = 0; x < w; ++x) {
            b->setPixel(x, 0, raster::kBlack);
            b->setPixel(x, h - 1, raster::kBlack);
        }
        for (int y = 0; y < h; ++y) {
            b->setPixel(0, y, raster::kBlack);
            b->setPixel(w - 1, y, raster::kBlack);
        }
    }
    bool drew = false;
    const auto mark = [&](int ax, int ay, int bx, int by) {
        const Colour a = picture.pixel(ax, ay), b = picture.pixel(bx, by);
        if (a != raster::kBlack && b != raster::kBlack && a != b) {
            picture.setPixel(bx, by, raster::kBlack);
            lineArt.setPixel(bx, by, raster::kBlack);
            drew = true;
        }
    };
    for (int y = 0; y + 1 < h; ++y) {
        for (int x = 0; x + 1 < w; ++x)
            mark(x, y, x, y + 1);
        for (int x = 0; x + 1 < w; ++x)
            mark(x, y, x + 1, y);
    }
    return drew;
}

// Runs of a few colours, long and short, so that both the fast skip over equal blocks and the
// pixel-by-pixel steps are taken; black and nearly black among them.
Bitmap patchyPicture(std::mt19937& random, int width, int height)
{
    const Colour colours[] = {raster::kWhite, raster::kBlack, Colour::rgb(1, 1, 1), Colour::rgb(255, 0, 0),
        Colour::rgb(254, 0, 0), Colour::rgb(0, 0, 255)};
    std::uniform_int_distribution<int> colour(0, 5), run(1, 40);
    Bitmap bitmap(width, height);
    Colour c = raster::kWhite;
    int left = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (left-- <= 0) {
                c = colours[colour(random)];
                left = run(random);
            }
            bitmap.setPixel(x, y, y > 0 && run(random) < 30 ? bitmap.pixel(x, y - 1) : c);
        }
    }
    return bitmap;
}

TEST(OutlinePass, AgreesWithThePlainPerPixelVersion)
{
    std::mt19937 random(11);
    std::vector<std::pair<Bitmap, Bitmap>> cases;  // picture, line art
    for (const auto& [w, h] : {std::pair {660, 444}, {53, 9}, {17, 30}, {2, 2}, {3, 7}}) {
        for (int round = 0; round < 3; ++round)
            cases.emplace_back(patchyPicture(random, w, h), randomPicture(random, w, h, 20));
    }
    // One colour all over: the frame is all that the outline adds.
    const Colour green = Colour::rgb(0, 200, 0);
    cases.emplace_back(Bitmap(660, 444, green), Bitmap(660, 444));
    for (const auto& [picture, lineArt] : cases) {
        Bitmap fastPicture = picture, fastLines = lineArt, alone = picture, plainPicture = picture,
               plainLines = lineArt;
        const bool drew = plainOutline(plainPicture, plainLines);
        const auto size = std::to_string(picture.width()) + "x" + std::to_string(picture.height());
        EXPECT_EQ(dabwick::outlineColours(fastPicture, &fastLines, {}), drew) << size;
        EXPECT_EQ(dabwick::outlineColours(alone, nullptr, {}), drew) << size << " without line art";
        ASSERT_EQ(fastPicture, plainPicture) << size;
        ASSERT_EQ(fastLines, plainLines) << size;
        ASSERT_EQ(alone, plainPicture) << size << " without line art";
    }
    EXPECT_FALSE(dabwick::outlineColours(cases.back().first, nullptr, {})) << "one colour: only the frame";
}

}  // namespace
