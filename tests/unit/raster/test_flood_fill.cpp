#include <algorithm>
#include <gtest/gtest.h>

#include "raster/Figures.h"
#include "raster/FloodFill.h"
#include "support/AsciiBitmap.h"
#include "support/TestPictures.h"

namespace {

using namespace raster;
using testsupport::bitmapFromAscii;
using testsupport::colourOfLetter;

Brush solid(char letter)
{
    return Brush(colourOfLetter(letter), BrushStyle::Solid);
}

TEST(BorderFill, DiagonalLineStopsIt)
{
    Bitmap b = bitmapFromAscii({
        "...#....",
        "....#...",
        ".....#..",
        "......#.",
        ".......#",
    });
    const Rect changed = floodFillBorder(b, solid('r'), {0, 4}, kBlack);
    EXPECT_BITMAP_EQ(bitmapFromAscii({
                         "rrr#....",
                         "rrrr#...",
                         "rrrrr#..",
                         "rrrrrr#.",
                         "rrrrrrr#",
                     }),
        b);
    EXPECT_EQ((Rect {0, 0, 7, 5}), changed);
}

// Border mode paints over whatever colours lie inside, the brush's own colour included: a stripe of
// it must not cut the area in two.
TEST(BorderFill, PaintsOverInnerColoursUpToTheBorder)
{
    for (const char paint : {'r', 'g'}) {
        Bitmap b = bitmapFromAscii({
            "########",
            "#.g.r..#",
            "#rrrrrr#",
            "#..g...#",
            "########",
        });
        floodFillBorder(b, solid(paint), {1, 1}, kBlack);
        Bitmap expected = bitmapFromAscii({
            "########",
            "#rrrrrr#",
            "#rrrrrr#",
            "#rrrrrr#",
            "########",
        });
        floodFillBorder(expected, solid(paint), {1, 1}, kBlack);
        EXPECT_BITMAP_EQ(expected, b);
        EXPECT_EQ(colourOfLetter(paint), b.pixel(1, 3));
    }
}

TEST(BorderFill, PaintsNothingFromBorderOutsideOrWithHollowBrush)
{
    const Bitmap original = bitmapFromAscii({
        "..#..",
        "..#..",
    });
    Bitmap b = original;
    EXPECT_TRUE(floodFillBorder(b, solid('r'), {2, 0}, kBlack).empty());
    EXPECT_TRUE(floodFillBorder(b, solid('r'), {-1, 0}, kBlack).empty());
    EXPECT_TRUE(floodFillBorder(b, solid('r'), {0, 2}, kBlack).empty());
    EXPECT_TRUE(floodFillBorder(b, Brush(kBlack, BrushStyle::Hollow), {0, 0}, kBlack).empty());
    EXPECT_EQ(original, b);
}

TEST(BorderFill, BrushOfTheBorderColourStillStops)
{
    Bitmap b = bitmapFromAscii({
        ".r#..",
        "rr#..",
    });
    floodFillBorder(b, solid('#'), {0, 0}, kBlack);
    EXPECT_BITMAP_EQ(bitmapFromAscii({
                         "###..",
                         "###..",
                     }),
        b);
}

TEST(BorderFill, HatchPaintsOnlyItsLinesAndLeavesTheRest)
{
    Bitmap b(12, 10, colourOfLetter('r'));
    drawRectangle(b, Pen(kBlack, 1), Brush(kWhite, BrushStyle::Hollow), {0, 0}, {12, 10});
    floodFillBorder(b, Brush(colourOfLetter('b'), BrushStyle::Cross), {5, 5}, kBlack);
    EXPECT_BITMAP_EQ(bitmapFromAscii({
                         "############",
                         "#rrrbrrrrrr#",
                         "#rrrbrrrrrr#",
                         "#rrrbrrrrrr#",
                         "#rrrbrrrrrr#",
                         "#rrrbrrrrrr#",
                         "#rrrbrrrrrr#",
                         "#bbbbbbbbbb#",
                         "#rrrbrrrrrr#",
                         "############",
                     }),
        b);
}

// A 660 x 444 spiral is one corridor hundreds of thousands of steps long: a recursive fill would
// overflow its stack, and a scanline fill that loses a run would leave white behind.
TEST(BorderFill, FillsAWholeSpiralMaze)
{
    Bitmap maze = testsupport::spiralMaze(660, 444);
    Bitmap expected = maze;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (expected.pixel(x, y) == kWhite)
                expected.setPixel(x, y, colourOfLetter('r'));
        }
    }
    ASSERT_GT(std::count(maze.bytes().begin(), maze.bytes().end(), 255), 400'000) << "the maze is mostly corridor";
    floodFillBorder(maze, solid('r'), {1, 1}, kBlack);
    EXPECT_TRUE(maze == expected);

    Bitmap hatched = testsupport::spiralMaze(660, 444);
    const Rect changed = floodFillBorder(hatched, Brush(colourOfLetter('r'), BrushStyle::Vertical), {1, 1}, kBlack);
    EXPECT_EQ((Rect {1, 1, 659, 443}), changed);
}

TEST(SurfaceFill, PaintsOnlyTheConnectedAreaOfTheStartColour)
{
    Bitmap b = bitmapFromAscii({
        "ggr.g",
        "grrgg",
        "ggr#g",
    });
    const Rect changed = floodFillSurface(b, solid('b'), {0, 0});
    EXPECT_BITMAP_EQ(bitmapFromAscii({
                         "bbr.g",
                         "brrgg",
                         "bbr#g",
                     }),
        b);
    EXPECT_EQ((Rect {0, 0, 2, 3}), changed);
}

TEST(SurfaceFill, SameColourChangesNothingAndHatchEnds)
{
    const Bitmap original = bitmapFromAscii({
        "oooooooooo",
        "oooo#ooooo",
        "oooo#ooooo",
    });
    Bitmap b = original;
    EXPECT_TRUE(floodFillSurface(b, solid('o'), {0, 0}).empty());
    EXPECT_EQ(original, b);

    floodFillSurface(b, Brush(colourOfLetter('o'), BrushStyle::Vertical), {9, 2});
    EXPECT_EQ(original, b) << "a hatch of the surface's own colour changes nothing, and ends";
    floodFillSurface(b, Brush(kBlack, BrushStyle::Vertical), {9, 2});
    EXPECT_BITMAP_EQ(bitmapFromAscii({
                         "oooo#ooooo",
                         "oooo#ooooo",
                         "oooo#ooooo",
                     }),
        b);
}

}  // namespace
