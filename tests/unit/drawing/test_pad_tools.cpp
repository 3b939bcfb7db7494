#include <functional>
#include <gtest/gtest.h>

#include "dabwick/LayerPasses.h"
#include "drawing/EngineFixture.h"
#include "raster/Blit.h"
#include "raster/Figures.h"
#include "support/AsciiBitmap.h"

using namespace dabwick;
using raster::Colour;
using raster::Point;

namespace {

const Colour kRed = Colour::rgb(255, 0, 0);
const Colour kBlue = Colour::rgb(0, 0, 255);
const Colour kGrass = Colour::rgb(40, 190, 60);  // no zero channel, so the marker keeps it

}  // namespace

// The dot's shape for every width is the line's own test; here a click alone must draw.
TEST_F(EngineTest, APencilClickLeavesADotOnBothLayers)
{
    click({100, 100});
    EXPECT_EQ(at(102, 100), raster::kBlack);
    EXPECT_EQ(lineAt(100, 98), raster::kBlack);
    EXPECT_EQ(at(98, 98), raster::kWhite) << "round: its corners stay off";
    EXPECT_TRUE(doc.changed);
    EXPECT_TRUE(doc.buttons.undo);
}

// Each figure goes into the line art too, and the rubber band dragged about on the way leaves no
// trace. The rounded rectangle's corner is (start - end) / 2 each way, whatever the direction.
TEST_F(EngineTest, ShapesDrawTheirFigureOnBothLayersAndTheBandLeavesNoTrace)
{
    const raster::Pen pen(raster::kBlack, 5);
    const raster::Brush hollow(raster::kWhite, raster::BrushStyle::Hollow);
    struct Case {
        ToolButton button;
        Point from, to;
        std::function<void(raster::Bitmap&)> draw;
    };
    const Case cases[] = {
        {ToolButton::RectangleButton, {50, 50}, {150, 150},
            [&](raster::Bitmap& b) { raster::drawRectangle(b, pen, hollow, {50, 50}, {150, 150}); }},
        {ToolButton::LineButton, {20, 300}, {400, 40},
            [&](raster::Bitmap& b) { raster::drawLine(b, pen, {20, 300}, {400, 40}); }},
        {ToolButton::EllipseButton, {600, 400}, {300, 100},
            [&](raster::Bitmap& b) { raster::drawEllipse(b, pen, hollow, {600, 400}, {300, 100}); }},
        {ToolButton::RoundRectButton, {500, 300}, {100, 101},
            [&](raster::Bitmap& b) { raster::drawRoundRect(b, pen, hollow, {500, 300}, {100, 101}, 200, 99); }},
        {ToolButton::RoundRectButton, {100, 101}, {500, 300},
            [&](raster::Bitmap& b) { raster::drawRoundRect(b, pen, hollow, {100, 101}, {500, 300}, -200, -99); }},
    };
    for (const Case& c : cases) {
        doc.StartNewDrawing();
        engine.pressToolButton(c.button);
        engine.IMpadMouseDown(c.from);
        for (const Point p : {Point{300, 80}, Point{-50, 200}, Point{700, 500}, c.to})
            engine.IMpadMouseMove(p, true);
        engine.IMpadMouseUp(c.to);

        raster::Bitmap expected(kPadWidth, kPadHeight);
        c.draw(expected);
        EXPECT_BITMAP_EQ(expected, doc.picture) << int(c.button);
        EXPECT_BITMAP_EQ(expected, doc.lineArt) << int(c.button);
    }
}

// Strokes dragged far off the pad are drawn toward a point the clamp keeps near it: the
// pencil 100 beyond the far edges and 101 beyond the near ones, colouring tools half their size
// and one more.
TEST_F(EngineTest, StrokesFarOffThePadAreClamped)
{
    struct Case {
        ToolButton button;
        Point far;
        Point anchor;
    };
    const Case cases[] = {
        {ToolButton::freehandbutton, {5000, -5000}, {760, -101}},
        {ToolButton::freehandbutton, {-5000, 5000}, {-101, 544}},
        {ToolButton::crayonbutton, {5000, -5000}, {663, -3}},
        {ToolButton::markerbutton, {-5000, 5000}, {-3, 447}},
    };
    for (const Case& c : cases) {
        engine.pressToolButton(c.button);
        engine.IMpadMouseDown({300, 200});
        engine.IMpadMouseMove(c.far, true);
        EXPECT_EQ(engine.AnchorPoint, c.anchor) << int(c.button);
        engine.IMpadMouseUp(c.far);
    }
}

TEST_F(EngineTest, ColouringStrokesAcrossALineLeaveTheLineWhole)
{
    stroke({{200, 10}, {200, 400}});  // the pencil draws a line
    for (const ToolButton button : {ToolButton::crayonbutton, ToolButton::markerbutton}) {
        engine.pressToolButton(button);
        while (engine.ShownSize < 40)
            engine.btnplusClick();
        useColour(kGrass);
        stroke({{100, 200}, {150, 200}, {300, 205}});

        for (int y = 20; y < 390; ++y)
            ASSERT_EQ(at(200, y), raster::kBlack) << "line broken at y " << y << " by " << int(button);
        EXPECT_EQ(at(180, 200), kGrass);
        EXPECT_EQ(at(220, 200), kGrass);
        EXPECT_EQ(lineAt(180, 200), raster::kWhite) << "colour stays out of the line art";
    }
}

TEST_F(EngineTest, TheMarkerBlendsAndNeverLeavesPureBlack)
{
    struct Case {
        Colour under;
        Colour pen;
        Colour result;
    };
    const Case cases[] = {
        {Colour::rgb(1, 255, 255), Colour::rgb(255, 255, 1), Colour::rgb(1, 255, 1)},
        {kBlue, kRed, Colour::rgb(1, 1, 1)},
    };
    for (const Case& c : cases) {
        doc.picture.fill(c.under);
        engine.pressToolButton(ToolButton::markerbutton);
        useColour(c.pen);
        stroke({{300, 200}, {340, 200}});
        EXPECT_EQ(at(320, 200), c.result);
    }
    // A pure red area elsewhere loses its zero channels; black off the line art goes too.
    doc.picture.fill(raster::kWhite);
    doc.picture.setPixel(10, 10, kRed);
    doc.picture.setPixel(20, 20, raster::kBlack);
    doc.lineArt.setPixel(30, 30, raster::kBlack);
    doc.picture.setPixel(30, 30, raster::kBlack);
    stroke({{300, 200}, {301, 200}});
    EXPECT_EQ(at(10, 10), Colour::rgb(255, 1, 1));
    EXPECT_EQ(at(20, 20), Colour::rgb(1, 1, 1));
    EXPECT_EQ(at(30, 30), raster::kBlack);
}

TEST_F(EngineTest, AFillStaysInsideItsShapeAndLeaksThroughAGap)
{
    engine.pressToolButton(ToolButton::RectangleButton);
    stroke({{100, 100}, {200, 200}});
    engine.pressToolButton(ToolButton::fillbutton);
    useColour(kRed);
    click({150, 150});
    EXPECT_EQ(at(150, 150), kRed);
    EXPECT_EQ(at(50, 50), raster::kWhite);
    EXPECT_EQ(at(100, 150), raster::kBlack);

    // An eraser gap in the outline lets the next fill run out.
    engine.pressToolButton(ToolButton::btnerase);
    stroke({{150, 95}, {150, 105}});
    engine.pressToolButton(ToolButton::fillbutton);
    useColour(kBlue);
    click({150, 150});
    EXPECT_EQ(at(50, 50), kBlue);
}

TEST_F(EngineTest, ACrossHatchFillLeavesTheOldColourBetweenItsLines)
{
    doc.picture.fill(kRed);
    engine.pressToolButton(ToolButton::fillbutton);
    engine.chooseFillStyle(6);
    useColour(kBlue);
    click({33, 33});
    EXPECT_BITMAP_EQ(testsupport::bitmapFromAscii({
                         "rrrrbrrrrrrrb",
                         "rrrrbrrrrrrrb",
                         "rrrrbrrrrrrrb",
                         "rrrrbrrrrrrrb",
                         "rrrrbrrrrrrrb",
                         "rrrrbrrrrrrrb",
                         "rrrrbrrrrrrrb",
                         "bbbbbbbbbbbbb",
                         "rrrrbrrrrrrrb",
                     }),
        raster::cropped(doc.picture, {0, 0, 13, 9}));
}

// Over a line the fill shows "nofill", elsewhere the cursor of its pattern; not while a button is
// held.
TEST_F(EngineTest, FillHoverCursorShowsWhereTheFillWouldStop)
{
    stroke({{10, 50}, {300, 50}});
    engine.pressToolButton(ToolButton::fillbutton);
    engine.chooseFillStyle(6);
    engine.IMpadMouseMove({100, 50}, false);
    EXPECT_EQ(engine.controls().padCursor, CursorSlot::kNoFill);
    engine.IMpadMouseMove({100, 150}, true);
    EXPECT_EQ(engine.controls().padCursor, CursorSlot::kNoFill) << "a held button changes nothing";
    engine.IMpadMouseMove({100, 150}, false);
    EXPECT_EQ(engine.controls().padCursor, 29);
    engine.IMpadMouseMove({-5, 50}, false);
    EXPECT_EQ(engine.controls().padCursor, 29) << "off the pad there is no line";
}

TEST_F(EngineTest, ClickingALineWithTheFillChangesNothingButRecordsAStep)
{
    stroke({{10, 10}, {300, 10}});
    const raster::Bitmap before = doc.picture;
    engine.pressToolButton(ToolButton::fillbutton);
    click({100, 10});
    EXPECT_EQ(doc.picture, before);
    EXPECT_EQ(doc.history.count(), 2);
}

TEST_F(EngineTest, TheReplacerTurnsEveryPixelOfOneColourButNotTheLines)
{
    engine.pressToolButton(ToolButton::RectangleButton);
    stroke({{100, 100}, {200, 200}});
    engine.pressToolButton(ToolButton::btnreplace);
    useColour(kBlue);
    click({5, 5});
    EXPECT_EQ(at(150, 150), kBlue) << "inside the shape too";
    EXPECT_EQ(at(100, 150), raster::kBlack);
    EXPECT_EQ(engine.CurrentTool, Tool::tlReplace) << "the replacer stays the replacer";

    engine.IMpadMouseMove({100, 150}, false);
    EXPECT_EQ(engine.controls().padCursor, CursorSlot::kNoReplace);
    const raster::Bitmap before = doc.picture;
    useColour(kRed);
    for (const raster::Point p : {raster::Point {100, 150}, raster::Point {kPadWidth, 5}})
        click(p);
    EXPECT_EQ(doc.picture, before) << "a line, or a release off the pad, replaces nothing";
}

TEST_F(EngineTest, ThePickerReturnsToTheToolItCameFrom)
{
    doc.picture.fill(Colour(0x00A000));
    engine.pressToolButton(ToolButton::crayonbutton);
    engine.pressToolButton(ToolButton::btnselect);
    engine.IMpadMouseMove({50, 50}, false);
    EXPECT_TRUE(engine.controls().previewVisible);
    click({50, 50});
    EXPECT_EQ(engine.CurrentTool, Tool::tlCrayon);
    EXPECT_EQ(engine.padPen().colour(), Colour(0x00A000));

    // The pencil comes back still drawing black; only the swatch takes the colour.
    doc.picture.fill(Colour(0x0000C0));
    engine.pressToolButton(ToolButton::freehandbutton);
    engine.pressToolButton(ToolButton::btnselect);
    engine.IMpadMouseMove({60, 60}, false);
    click({60, 60});
    EXPECT_EQ(engine.CurrentTool, Tool::tlFreehand);
    EXPECT_EQ(engine.padPen().colour(), raster::kBlack);
    EXPECT_EQ(engine.currentColour(), Colour(0x0000C0));

    // Over black the picker shows "nopick" and takes nothing.
    doc.picture.setPixel(70, 70, raster::kBlack);
    engine.pressToolButton(ToolButton::btnselect);
    engine.IMpadMouseMove({70, 70}, false);
    EXPECT_EQ(engine.controls().padCursor, 38);
    EXPECT_FALSE(engine.controls().previewVisible);
    doc.changed = false;
    const int steps = doc.history.count();
    click({70, 70});
    EXPECT_EQ(engine.CurrentTool, Tool::tlPicker);
    EXPECT_EQ(engine.currentColour(), Colour(0x0000C0));
    EXPECT_EQ(doc.history.count(), steps + 1) << "the mouse-up still records a step";
    EXPECT_TRUE(doc.changed);

    // Past the right edge the preview shows the edge pixel, but a release there picks nothing.
    doc.picture.setPixel(kPadWidth - 1, 100, kGrass);
    engine.IMpadMouseMove({kPadWidth, 100}, false);
    EXPECT_EQ(engine.previewColour(), kGrass);
    click({kPadWidth, 100});
    EXPECT_EQ(engine.CurrentTool, Tool::tlPicker);
    EXPECT_EQ(engine.currentColour(), Colour(0x0000C0));
}

// A red square on white: its top and left lines lie on its own first row and column, its bottom
// and right lines on the white just outside; the corners beyond touch no differing pair.
TEST_F(EngineTest, OutlineDrawsLinesOnTheLowerAndRightPixelOfEachBoundary)
{
    for (int y = 4; y < 7; ++y) {
        for (int x = 4; x < 7; ++x)
            doc.picture.setPixel(x, y, kRed);
    }
    engine.btnoutlineClick();
    const std::vector<std::string_view> rows = {
        "#########",
        "#........",
        "#........",
        "#........",
        "#...###..",
        "#...#rr#.",
        "#...#rr#.",
        "#...###..",
        "#........",
    };
    EXPECT_BITMAP_EQ(testsupport::bitmapFromAscii(rows), raster::cropped(doc.picture, {0, 0, 9, 9}));
    EXPECT_EQ(lineAt(7, 5), raster::kBlack);
    EXPECT_EQ(lineAt(5, 5), raster::kWhite);
    EXPECT_EQ(at(kPadWidth - 1, kPadHeight - 1), raster::kBlack) << "the frame all round";
    EXPECT_FALSE(doc.changed) << "outline alone does not count as a change";
}

TEST_F(EngineTest, ClearKeepsTheLinesAndCanBeUndone)
{
    stroke({{10, 200}, {600, 200}});
    engine.pressToolButton(ToolButton::fillbutton);
    useColour(kRed);
    click({300, 100});
    engine.btnclearClick();
    EXPECT_EQ(doc.picture, doc.lineArt);
    EXPECT_FALSE(doc.buttons.clear);
    doc.UndoLastChange();
    EXPECT_EQ(at(300, 100), kRed);
}
