#include <gtest/gtest.h>

#include "dabwick/LayerPasses.h"
#include "drawing/EngineFixture.h"
#include "raster/Figures.h"

using namespace dabwick;
using raster::Colour;
using raster::Point;

namespace {

const Colour kRed = Colour::rgb(255, 0, 0);
const Colour kBlue = Colour::rgb(0, 0, 255);

}  // namespace

TEST_F(EngineTest, APencilClickLeavesARoundDotOnBothLayers)
{
    click({100, 100});
    // Size 5: the dot reaches 2 pixels each way and keeps its corners off.
    for (const Point p : {Point{100, 100}, Point{98, 100}, Point{102, 100}, Point{100, 98}, Point{100, 102}}) {
        EXPECT_EQ(at(p.x, p.y), raster::kBlack) << p.x << "," << p.y;
        EXPECT_EQ(lineAt(p.x, p.y), raster::kBlack);
    }
    EXPECT_EQ(at(98, 98), raster::kWhite);
    EXPECT_EQ(at(100, 104), raster::kWhite);
    EXPECT_TRUE(doc.changed);
    EXPECT_TRUE(doc.buttons.undo);
}

TEST_F(EngineTest, ARightAngleRectangleGoesIntoTheLineArtAndTheBandLeavesNoTrace)
{
    engine.pressToolButton(ToolButton::RectangleButton);
    engine.IMpadMouseDown({50, 50});
    for (const Point p : {Point{300, 80}, Point{120, 200}, Point{400, 300}, Point{150, 150}})
        engine.IMpadMouseMove(p, true);
    engine.IMpadMouseUp({150, 150});

    raster::Bitmap expected(kPadWidth, kPadHeight);
    raster::drawRectangle(expected, raster::Pen(raster::kBlack, 5), raster::Brush(raster::kWhite, raster::BrushStyle::Hollow),
                          {50, 50}, {150, 150});
    EXPECT_EQ(doc.picture, expected);
    EXPECT_EQ(doc.lineArt, expected);
    EXPECT_EQ(doc.history.count(), 1);
}

TEST_F(EngineTest, ACrayonStrokeAcrossALineLeavesTheLineWhole)
{
    stroke({{200, 10}, {200, 400}});  // the pencil draws a line
    engine.pressToolButton(ToolButton::crayonbutton);
    while (engine.ShownSize < 40)
        engine.btnplusClick();
    useColour(Colour(0x00C000));
    stroke({{100, 200}, {150, 200}, {300, 205}});

    for (int y = 20; y < 390; ++y)
        ASSERT_EQ(at(200, y), raster::kBlack) << "line broken at y " << y;
    EXPECT_EQ(at(180, 200), Colour(0x00C000));
    EXPECT_EQ(at(220, 200), Colour(0x00C000));
    EXPECT_EQ(lineAt(180, 200), raster::kWhite) << "colour stays out of the line art";
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
        {raster::kWhite, Colour::rgb(255, 255, 1), Colour::rgb(255, 255, 1)},
        {Colour::rgb(255, 255, 1), Colour::rgb(255, 255, 1), Colour::rgb(255, 255, 1)},
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

TEST_F(EngineTest, AHatchFillLeavesTheOldColourBetweenItsLines)
{
    doc.picture.fill(kRed);
    engine.pressToolButton(ToolButton::fillbutton);
    engine.chooseFillStyle(6);
    useColour(kBlue);
    click({33, 33});
    int blue = 0, red = 0;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            blue += at(x, y) == kBlue;
            red += at(x, y) == kRed;
        }
    }
    EXPECT_EQ(blue + red, 64);
    EXPECT_GT(blue, 0);
    EXPECT_GT(red, blue) << "a cross hatch paints only its lines";
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

TEST_F(EngineTest, TheReplacerTurnsEveryPixelOfOneColour)
{
    engine.pressToolButton(ToolButton::RectangleButton);
    stroke({{100, 100}, {200, 200}});
    engine.pressToolButton(ToolButton::btnreplace);
    useColour(kBlue);
    engine.IMpadMouseMove({5, 5}, false);
    EXPECT_EQ(engine.controls().padCursor, 39);
    click({5, 5});
    EXPECT_EQ(at(5, 5), kBlue);
    EXPECT_EQ(at(150, 150), kBlue) << "inside the shape too";
    EXPECT_EQ(at(100, 150), raster::kBlack);
    EXPECT_EQ(engine.CurrentTool, Tool::tlReplace) << "the replacer stays the replacer";

    engine.IMpadMouseMove({100, 150}, false);
    EXPECT_EQ(engine.controls().padCursor, 37);
    const raster::Bitmap before = doc.picture;
    click({100, 150});
    EXPECT_EQ(doc.picture, before);
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
    click({70, 70});
    EXPECT_EQ(engine.CurrentTool, Tool::tlPicker);
}

TEST_F(EngineTest, OutlineDrawsLinesOnTheLowerAndRightPixelOfEachBoundary)
{
    for (int y = 100; y < 110; ++y) {
        for (int x = 200; x < 210; ++x)
            doc.picture.setPixel(x, y, kRed);
    }
    engine.btnoutlineClick();
    struct Case {
        int x, y;
        Colour colour;
    };
    const Case cases[] = {
        {205, 100, raster::kBlack},  // the square's own first row
        {200, 105, raster::kBlack},  // its own first column
        {205, 99, raster::kWhite},   // the white above stays
        {199, 105, raster::kWhite},  // the white to the left stays
        {205, 110, raster::kBlack},  // white just below
        {210, 105, raster::kBlack},  // white just right
        {205, 109, kRed},
        {209, 105, kRed},
        {0, 0, raster::kBlack},
        {659, 443, raster::kBlack},
        {330, 0, raster::kBlack},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(at(c.x, c.y), c.colour) << c.x << "," << c.y;
        EXPECT_EQ(lineAt(c.x, c.y) == raster::kBlack, c.colour == raster::kBlack) << c.x << "," << c.y;
    }
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
