#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "raster/Canvas.h"
#include "raster/Figures.h"
#include "raster/FloodFill.h"
#include "support/AsciiBitmap.h"
#include "support/TestPictures.h"

namespace {

using namespace raster;
using testsupport::bitmapFromAscii;

const Brush kHollow(kWhite, BrushStyle::Hollow);
const Colour kRed = Colour::rgb(255, 0, 0);

TEST(Line, ThinLineIsBresenhamWithoutItsEndPoint)
{
    Bitmap b(8, 5);
    drawLine(b, Pen(kBlack, 1), {1, 1}, {6, 3});
    EXPECT_BITMAP_EQ(bitmapFromAscii({
                         "........",
                         ".##.....",
                         "...##...",
                         ".....#..",
                         "........",
                     }),
        b);
}

// The pencil's click is a line to the next pixel, and must leave a round dot as wide as the pen.
TEST(Line, ClickLeavesRoundDotOfPenWidth)
{
    for (int width = 1; width <= Pen::kMaxWidth; ++width) {
        SCOPED_TRACE("width " + std::to_string(width));
        Bitmap b(240, 240);
        const Rect changed = drawLine(b, Pen(kBlack, width), {120, 120}, {121, 120});
        EXPECT_EQ(width, changed.height());
        EXPECT_GE(changed.width(), width);
        EXPECT_LE(changed.width(), width + 1);
        // Rows are solid runs, symmetric both ways, widening towards the middle.
        int previous = 0;
        for (int y = changed.top; y < changed.bottom; ++y) {
            int first = changed.right, last = changed.left - 1;
            for (int x = changed.left; x < changed.right; ++x) {
                ASSERT_EQ(b.pixel(x, y), b.pixel(changed.right - 1 - (x - changed.left), y)) << x << "," << y;
                ASSERT_EQ(b.pixel(x, y), b.pixel(x, changed.bottom - 1 - (y - changed.top))) << x << "," << y;
                if (b.pixel(x, y) == kBlack) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
            for (int x = first; x <= last; ++x)
                ASSERT_EQ(kBlack, b.pixel(x, y)) << "hole at " << x << "," << y;
            if (y <= changed.top + (changed.height() - 1) / 2) {
                ASSERT_GE(last - first, previous);
            }
            previous = last - first;
        }
        if (width >= 5) {
            EXPECT_EQ(kWhite, b.pixel(changed.left, changed.top)) << "corners are cut round";
        }
    }
}

// The pen is centred on the box's edge pixels: a 3-pixel pen reaches one pixel past them on every
// side and leaves the brush a box two pixels smaller each way.
TEST(Figures, RectangleOutlineAndBrushInside)
{
    struct Case {
        int pen;
        Point from, to;
        std::vector<std::string_view> rows;
    };
    const Case cases[] = {
        {1, {6, 5}, {1, 1}, {"........", ".#####..", ".#rrr#..", ".#rrr#..", ".#####..", "........"}},
        {3, {2, 2}, {10, 8},
            {"............", ".##########.", ".##########.", ".##########.", ".###rrrr###.", ".###rrrr###.",
                ".##########.", ".##########.", ".##########.", "............"}},
    };
    for (const Case& c : cases) {
        Bitmap b(int(c.rows.front().size()), int(c.rows.size()));
        drawRectangle(b, Pen(kBlack, c.pen), Brush(kRed, BrushStyle::Solid), c.from, c.to);
        EXPECT_BITMAP_EQ(bitmapFromAscii(c.rows), b) << "pen " << c.pen;
    }
}

TEST(Figures, EllipseAndRoundRectOutlines)
{
    Bitmap ellipse(9, 7);
    drawEllipse(ellipse, Pen(kBlack, 1), Brush(kRed, BrushStyle::Solid), {0, 0}, {9, 7});
    EXPECT_BITMAP_EQ(bitmapFromAscii({
                         "..#####..",
                         ".#rrrrr#.",
                         "#rrrrrrr#",
                         "#rrrrrrr#",
                         "#rrrrrrr#",
                         ".#rrrrr#.",
                         "..#####..",
                     }),
        ellipse);

    Bitmap rounded(12, 8);
    drawRoundRect(rounded, Pen(kBlack, 1), kHollow, {1, 1}, {11, 7}, 6, 4);
    EXPECT_BITMAP_EQ(bitmapFromAscii({
                         "............",
                         "..########..",
                         ".#........#.",
                         ".#........#.",
                         ".#........#.",
                         ".#........#.",
                         "..########..",
                         "............",
                     }),
        rounded);
}

enum class Shape { Line, Rectangle, Ellipse, RoundRect };

// A figure of the drawing tools between two points; the rounded rectangle's corner ellipse is a
// third of the box, with the signs the rubber band gives it when dragged up and left.
struct FigureCase {
    const char* name;
    Shape shape;
    Point from;
    Point to;
};

void draw(Bitmap& b, const Pen& pen, const FigureCase& f)
{
    switch (f.shape) {
    case Shape::Line:
        drawLine(b, pen, f.from, f.to);
        break;
    case Shape::Rectangle:
        drawRectangle(b, pen, kHollow, f.from, f.to);
        break;
    case Shape::Ellipse:
        drawEllipse(b, pen, kHollow, f.from, f.to);
        break;
    case Shape::RoundRect:
        drawRoundRect(b, pen, kHollow, f.from, f.to, (f.to.x - f.from.x) / 3, (f.to.y - f.from.y) / 3);
        break;
    }
}

const std::vector<FigureCase> kFigures {
    {"line", Shape::Line, {12, 70}, {95, 20}},
    {"steep line off the edge", Shape::Line, {40, -101}, {70, 160}},
    {"pencil drag far outside", Shape::Line, {-101, -101}, {760, 544}},
    {"rectangle", Shape::Rectangle, {20, 15}, {100, 75}},
    {"rectangle hanging off", Shape::Rectangle, {-30, 40}, {150, 120}},
    {"ellipse", Shape::Ellipse, {10, 10}, {111, 80}},
    {"thin ellipse", Shape::Ellipse, {10, 40}, {110, 47}},
    {"ellipse hanging off", Shape::Ellipse, {-101, -20}, {80, 200}},
    {"round rect", Shape::RoundRect, {100, 80}, {15, 12}},
    {"round rect hanging off", Shape::RoundRect, {-50, 30}, {200, 150}},
};

// The rubber band is drawn in not-xor and taken away by drawing it again; at the end the figure is
// drawn in copy mode over the last band. Each pixel must be covered once, so all of this holds.
TEST(Figures, NotXorBandRestoresAndCopyCoversIt)
{
    const Bitmap noisy = testsupport::noisyPicture(120, 90);
    const Bitmap white(120, 90);
    for (const FigureCase& figure : kFigures) {
        for (int width = 1; width <= Pen::kMaxWidth; ++width) {
            SCOPED_TRACE(std::string(figure.name) + ", width " + std::to_string(width));
            const Pen band(kBlack, width, PenMode::NotXor);
            const Pen copy(kBlack, width, PenMode::Copy);

            Bitmap twice = noisy;
            draw(twice, band, figure);
            draw(twice, band, figure);
            ASSERT_EQ(noisy, twice) << "not-xor drawn twice must restore";

            Bitmap banded = white, copied = white;
            draw(banded, band, figure);
            draw(copied, copy, figure);
            ASSERT_TRUE(testsupport::sameBitmap(copied, banded)) << "band must invert each pixel once";

            draw(banded, copy, figure);
            ASSERT_EQ(copied, banded) << "copy must cover the band";
        }
    }
}

TEST(Figures, CornersInEitherOrderDrawTheSame)
{
    const Pen pen(kBlack, 7);
    for (const Shape shape : {Shape::Rectangle, Shape::Ellipse, Shape::RoundRect}) {
        Bitmap expected(80, 60);
        draw(expected, pen, {"", shape, {10, 8}, {70, 50}});
        const std::vector<std::pair<Point, Point>> orders {
            {{70, 50}, {10, 8}}, {{10, 50}, {70, 8}}, {{70, 8}, {10, 50}}};
        for (const auto& [from, to] : orders) {
            Bitmap b(80, 60);
            draw(b, pen, {"", shape, from, to});
            EXPECT_EQ(expected, b) << int(shape);
        }
    }
}

// Thin outlines step diagonally; the inside must still be sealed from a 4-connected fill.
TEST(Figures, ThinOutlinesHoldAFill)
{
    const std::vector<std::pair<Point, Point>> boxes {
        {{3, 3}, {60, 40}}, {{5, 5}, {58, 11}}, {{2, 10}, {9, 45}}, {{20, 2}, {23, 46}}, {{1, 1}, {63, 47}}};
    for (const auto& [p, q] : boxes) {
        for (const bool ellipse : {true, false}) {
            Bitmap b(64, 48);
            if (ellipse)
                drawEllipse(b, Pen(kBlack, 1), kHollow, p, q);
            else
                drawRoundRect(b, Pen(kBlack, 1), kHollow, p, q, 31, 17);
            floodFillBorder(b, Brush(kRed, BrushStyle::Solid), {0, 0}, kBlack);
            const Point middle {(p.x + q.x) / 2, (p.y + q.y) / 2};
            EXPECT_EQ(kWhite, b.pixel(middle.x, middle.y)) << (ellipse ? "ellipse " : "round rect ") << q.x;
        }
    }
}

TEST(Figures, ChangedRectangleBoundsTheChange)
{
    Bitmap b(60, 40);
    const Rect changed = drawEllipse(b, Pen(kBlack, 9), Brush(kRed, BrushStyle::Solid), {-20, 10}, {30, 30});
    EXPECT_EQ((Rect {0, 6, 34, 34}), changed);
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x)
            ASSERT_TRUE(b.pixel(x, y) == kWhite || changed.contains({x, y})) << x << "," << y;
    }
}

// A freehand stroke is a chain of lines; each leaves out its end, which the next one starts with.
TEST(Canvas, LineToChainsWithoutPaintingJointsTwice)
{
    Canvas canvas;
    canvas.pen() = Pen(kBlack, 1, PenMode::NotXor);
    Bitmap b(8, 6);
    canvas.moveTo({1, 1});
    for (const Point p : {Point {6, 1}, Point {6, 4}, Point {1, 4}})
        canvas.lineTo(b, p);
    EXPECT_BITMAP_EQ(bitmapFromAscii({
                         "........",
                         ".######.",
                         "......#.",
                         "......#.",
                         "..#####.",
                         "........",
                     }),
        b);
}

}  // namespace
