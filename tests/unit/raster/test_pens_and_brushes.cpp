#include <gtest/gtest.h>
#include <string_view>
#include <vector>

#include "raster/Brush.h"
#include "raster/Figures.h"
#include "raster/FloodFill.h"
#include "raster/Pen.h"
#include "support/AsciiBitmap.h"

namespace {

using namespace raster;
using testsupport::bitmapFromAscii;

TEST(Pen, ModesCombineEachChannel)
{
    struct Case {
        PenMode mode;
        Colour pen;
        Colour pixel;
        Colour expected;
    };
    const std::vector<Case> cases {
        {PenMode::Copy, Colour::rgb(10, 20, 30), Colour::rgb(200, 100, 50), Colour::rgb(10, 20, 30)},
        {PenMode::NotXor, kBlack, Colour::rgb(0x12, 0x34, 0x56), Colour::rgb(0xED, 0xCB, 0xA9)},
        {PenMode::NotXor, Colour::rgb(0x0F, 0xF0, 0x55), Colour::rgb(0x33, 0x33, 0x33), Colour::rgb(0xC3, 0x3C, 0x99)},
        // The marker: yellow over cyan mixes to green; red over blue gives black, lifted later.
        {PenMode::Mask, Colour::rgb(255, 255, 1), Colour::rgb(1, 255, 255), Colour::rgb(1, 255, 1)},
        {PenMode::Mask, Colour::rgb(255, 0, 0), Colour::rgb(0, 0, 255), kBlack},
    };
    for (const Case& c : cases) {
        Bitmap b(2, 1, c.pixel);
        drawLine(b, Pen(c.pen, 1, c.mode), {0, 0}, {1, 0});
        EXPECT_EQ(c.expected.value(), b.pixel(0, 0).value()) << int(c.mode);
        EXPECT_EQ(c.pixel, b.pixel(1, 0)) << "the end point stays";
    }
}

TEST(Brush, HollowAndColourRules)
{
    Brush brush(Colour::rgb(1, 2, 3), BrushStyle::Cross);
    brush.setStyle(BrushStyle::Hollow);
    EXPECT_EQ(kWhite, brush.colour()) << "making a brush hollow forgets its colour";
    EXPECT_FALSE(brush.paints());
    brush.setColour(Colour::rgb(9, 8, 7));
    EXPECT_EQ(BrushStyle::Solid, brush.style()) << "a colour makes a hollow brush solid";
    brush.setStyle(BrushStyle::Vertical);
    brush.setColour(Colour::rgb(4, 5, 6));
    EXPECT_EQ(BrushStyle::Vertical, brush.style()) << "a hatch keeps its style";
    EXPECT_EQ(BrushStyle::Solid, Brush(kBlack, BrushStyle(9)).style()) << "unknown codes paint solid";
    EXPECT_EQ(kWhite, Brush(kBlack, BrushStyle::Hollow).colour());
}

// Each hatch as it lies on a 10 x 10 white page: the pattern repeats every 8 pixels from the
// page's top-left corner, whatever point the fill starts from.
TEST(Brush, HatchPatternsAreAlignedToTheTopLeft)
{
    struct Case {
        BrushStyle style;
        std::vector<std::string_view> rows;
    };
    const std::vector<Case> cases {
        {BrushStyle::Horizontal,
            {"..........", "..........", "..........", "..........", "..........", "..........", "..........",
                "##########", "..........", ".........."}},
        {BrushStyle::Vertical,
            {"....#.....", "....#.....", "....#.....", "....#.....", "....#.....", "....#.....", "....#.....",
                "....#.....", "....#.....", "....#....."}},
        {BrushStyle::ForwardDiagonal,
            {"#.......#.", ".#.......#", "..#.......", "...#......", "....#.....", ".....#....", "......#...",
                ".......#..", "#.......#.", ".#.......#"}},
        {BrushStyle::BackwardDiagonal,
            {".......#..", "......#...", ".....#....", "....#.....", "...#......", "..#.......", ".#.......#",
                "#.......#.", ".......#..", "......#..."}},
        {BrushStyle::Cross,
            {"....#.....", "....#.....", "....#.....", "....#.....", "....#.....", "....#.....", "....#.....",
                "##########", "....#.....", "....#....."}},
        {BrushStyle::DiagonalCross,
            {"#......##.", ".#....#..#", "..#..#....", "...##.....", "...##.....", "..#..#....", ".#....#..#",
                "#......##.", "#......##.", ".#....#..#"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        Bitmap b(10, 10);
        floodFillSurface(b, Brush(kBlack, c.style), {9, 5});
        EXPECT_BITMAP_EQ(bitmapFromAscii(c.rows), b);
    }
}

}  // namespace
