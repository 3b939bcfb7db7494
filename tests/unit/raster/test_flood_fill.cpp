#include <deque>
#include <gtest/gtest.h>
#include <random>

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

// A start off the picture paints nothing; the random pictures below always start on it.
TEST(BorderFill, PaintsNothingFromOutside)
{
    Bitmap b = bitmapFromAscii({"..#..", "..#.."});
    EXPECT_TRUE(floodFillBorder(b, solid('r'), {-1, 0}, kBlack).empty());
    EXPECT_TRUE(floodFillBorder(b, solid('r'), {0, 2}, kBlack).empty());
    EXPECT_EQ(bitmapFromAscii({"..#..", "..#.."}), b);
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
    floodFillBorder(maze, solid('r'), {1, 1}, kBlack);
    EXPECT_TRUE(maze == expected);
}

// The rule pixel by pixel: a breadth-first walk through the four neighbours over the picture as it
// was, then the brush's pattern on every pixel reached.
template <class Inside> Rect referenceFill(Bitmap& b, const Brush& brush, Point start, Inside inside)
{
    if (!inside(b.pixel(start.x, start.y)))
        return {};
    std::vector<bool> reached(std::size_t(b.width() * b.height()));
    const auto reach = [&](Point p) { reached[std::size_t(p.y * b.width() + p.x)] = true; };
    std::deque<Point> queue {start};
    reach(start);
    Rect changed;
    while (!queue.empty()) {
        const Point p = queue.front();
        queue.pop_front();
        changed = changed.united({p.x, p.y, p.x + 1, p.y + 1});
        for (const Point q : {Point {p.x - 1, p.y}, Point {p.x + 1, p.y}, Point {p.x, p.y - 1}, Point {p.x, p.y + 1}}) {
            if (b.contains(q.x, q.y) && !reached[std::size_t(q.y * b.width() + q.x)] && inside(b.pixel(q.x, q.y))) {
                reach(q);
                queue.push_back(q);
            }
        }
    }
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            if (reached[std::size_t(y * b.width() + x)] && (brush.rowPattern(y) >> (x % 8) & 1))
                b.setPixel(x, y, brush.colour());
        }
    }
    return changed;
}

// Random pictures of lines, diagonals among them, in colours that share channels with each other so
// that a pixel differing from the key in one byte only is met often, the paint colour already on the
// page included (a solid fill changes nothing there, and a hatch in it must still end).
TEST(FloodFills, AgreeWithThePixelByPixelRuleOnRandomLinePictures)
{
    const Colour palette[] = {
        kBlack, kWhite, Colour::rgb(250, 40, 40), Colour::rgb(0, 0, 1), Colour::rgb(1, 0, 0), Colour::rgb(255, 255, 0)};
    for (unsigned seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        const auto below = [&](int n) { return int(random() % unsigned(n)); };
        const auto anyColour = [&] { return palette[below(std::size(palette))]; };
        Bitmap picture(1 + below(70), 1 + below(30), anyColour());
        for (int lines = below(9); lines > 0; --lines) {
            const auto anyPoint = [&] {
                return Point {below(picture.width() + 4) - 2, below(picture.height() + 4) - 2};
            };
            drawLine(picture, Pen(anyColour(), 1 + below(3)), anyPoint(), anyPoint());
        }
        const Brush brush(anyColour(), BrushStyle(below(7) == 0 ? 0 : 2 + below(6)));
        const Point start {below(picture.width()), below(picture.height())};
        const Colour border = seed % 3 ? kBlack : anyColour();
        const Colour surface = picture.pixel(start.x, start.y);

        Bitmap expected = picture;
        Rect expectedRect = referenceFill(expected, brush, start, [&](Colour c) { return c != border; });
        Bitmap actual = picture;
        EXPECT_EQ(expectedRect, floodFillBorder(actual, brush, start, border));
        EXPECT_BITMAP_EQ(expected, actual);

        expected = picture;
        expectedRect = referenceFill(expected, brush, start, [&](Colour c) { return c == surface; });
        if (brush.style() == BrushStyle::Solid && brush.colour() == surface)
            expectedRect = {};
        actual = picture;
        EXPECT_EQ(expectedRect, floodFillSurface(actual, brush, start));
        EXPECT_BITMAP_EQ(expected, actual);
    }
}

}  // namespace
