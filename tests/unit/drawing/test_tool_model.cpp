#include <gtest/gtest.h>

#include "drawing/EngineFixture.h"

using namespace dabwick;
using raster::Colour;

TEST_F(EngineTest, EveryButtonSetsItsToolCursorAndControls)
{
    struct Case {
        ToolButton button;
        Tool current;
        Tool returnTo;
        const char* caption;  // nullptr: size controls off
        int cursor;
        bool colourControls;
        bool custom;
        bool select;
    };
    const Case cases[] = {
        {ToolButton::freehandbutton, Tool::tlFreehand, Tool::tlFreehand, "Pencil size = ", 2, false, false, false},
        {ToolButton::btnerase, Tool::tlFreehand, Tool::tlEraser, "Eraser size = ", 7, false, false, false},
        {ToolButton::LineButton, Tool::tlLine, Tool::tlLine, "Line width = ", 35, false, false, false},
        {ToolButton::RectangleButton, Tool::tlRectangle, Tool::tlRectangle, "Border width = ", 33, false, false, false},
        {ToolButton::EllipseButton, Tool::tlEllipse, Tool::tlEllipse, "Border width = ", 32, false, false, false},
        {ToolButton::RoundRectButton, Tool::tlRoundRect, Tool::tlRoundRect, "Border width = ", 34, false, false, false},
        {ToolButton::btnclip, Tool::tlClip, Tool::tlClip, nullptr, 21, false, false, false},
        {ToolButton::crayonbutton, Tool::tlCrayon, Tool::tlCrayon, "Crayon size = ", 5, true, true, true},
        {ToolButton::markerbutton, Tool::tlMarker, Tool::tlMarker, "Marker size = ", 6, true, true, true},
        {ToolButton::fillbutton, Tool::tlFill, Tool::tlFill, nullptr, 8, true, true, true},
        {ToolButton::btnreplace, Tool::tlReplace, Tool::tlReplace, nullptr, 11, true, true, true},
    };
    for (const Case& c : cases) {
        engine.pressToolButton(c.button);
        const ToolControls& shown = engine.controls();
        EXPECT_EQ(engine.CurrentTool, c.current) << int(c.button);
        EXPECT_EQ(engine.ReturnTool, c.returnTo) << int(c.button);
        EXPECT_EQ(shown.sizeControlsEnabled, c.caption != nullptr) << int(c.button);
        if (c.caption) {
            EXPECT_EQ(shown.sizeCaption, c.caption);
        }
        EXPECT_EQ(shown.padCursor, c.cursor) << int(c.button);
        EXPECT_EQ(shown.colourControlsVisible, c.colourControls) << int(c.button);
        EXPECT_EQ(shown.customVisible, c.custom) << int(c.button);
        EXPECT_EQ(shown.selectEnabled, c.select) << int(c.button);
        EXPECT_EQ(shown.styleEnabled, c.button == ToolButton::fillbutton);
        EXPECT_EQ(shown.clipPanelVisible, c.button == ToolButton::btnclip);
        EXPECT_EQ(engine.PickArmed, c.button == ToolButton::btnreplace) << int(c.button);
    }
    // The picker keeps the tool it came from and the controls as they were.
    engine.pressToolButton(ToolButton::markerbutton);
    engine.pressToolButton(ToolButton::btnselect);
    EXPECT_EQ(engine.CurrentTool, Tool::tlPicker);
    EXPECT_EQ(engine.ReturnTool, Tool::tlMarker);
    EXPECT_TRUE(engine.PickArmed);
    EXPECT_EQ(engine.controls().padCursor, 11);
}

TEST_F(EngineTest, SizesStepAndWrapBothWays)
{
    const std::vector<int> run = {1, 2, 3, 4, 5, 10, 15, 20, 25, 30, 35, 40, 60, 80, 100};
    engine.pressToolButton(ToolButton::freehandbutton);
    while (engine.ShownSize != 1)
        engine.btnminusClick();
    for (std::size_t i = 1; i <= run.size(); ++i) {
        engine.btnplusClick();
        EXPECT_EQ(engine.ShownSize, run[i % run.size()]);
    }
    // Back at 1: minus runs down from 100 to 1.
    for (std::size_t i = run.size(); i-- > 0;) {
        engine.btnminusClick();
        EXPECT_EQ(engine.ShownSize, run[i]);
    }
    EXPECT_EQ(engine.controls().sizeText, std::to_string(engine.ShownSize));
    EXPECT_EQ(engine.padPen().width(), engine.ShownSize);

    // Other tools share the size; the eraser keeps its own, never below 5 (one stored below 6
    // shows and draws as 5).
    engine.pressToolButton(ToolButton::crayonbutton);
    EXPECT_EQ(engine.controls().sizeText, std::to_string(engine.ShownSize));
    engine.EraserSize = 3;
    engine.pressToolButton(ToolButton::btnerase);
    EXPECT_EQ(engine.ShownSize, 5);
    EXPECT_EQ(engine.padPen().width(), 5);
    engine.btnminusClick();
    EXPECT_EQ(engine.ShownSize, 100);
    engine.btnplusClick();
    EXPECT_EQ(engine.ShownSize, 5);
    EXPECT_EQ(engine.EraserSize, 5);
}

TEST_F(EngineTest, ShapeToolsMakeTheBrushHollowUntilTheFillSetsItsColour)
{
    engine.chooseFillStyle(6);
    engine.pressToolButton(ToolButton::RectangleButton);
    EXPECT_EQ(engine.padBrush().style(), raster::BrushStyle::Hollow);
    engine.pressToolButton(ToolButton::fillbutton);
    EXPECT_EQ(engine.padBrush().style(), raster::BrushStyle::Solid);
    EXPECT_EQ(engine.controls().padCursor, 29) << "the cursor still shows the cross pattern";
}

TEST_F(EngineTest, ColoursReachThePadOnlyForColouringTools)
{
    for (const ToolButton button : {ToolButton::freehandbutton, ToolButton::btnerase}) {
        engine.pressToolButton(button);
        const raster::Colour pen = engine.padPen().colour();
        useColour(Colour(0x00FF00));
        EXPECT_EQ(engine.padPen().colour(), pen) << "the pencil stays black, the eraser white";
        EXPECT_EQ(engine.currentColour(), Colour(0x00FF00));
    }
    engine.pressToolButton(ToolButton::crayonbutton);
    EXPECT_EQ(engine.padPen().colour(), Colour(0x00FF00));

    engine.paintSwatch(raster::kBlack);
    engine.NormaliseColour();
    EXPECT_EQ(engine.currentColour(), Colour::rgb(1, 1, 1));
    EXPECT_EQ(engine.padPen().colour(), Colour::rgb(1, 1, 1));
}

// Every new picture starts with the pencil of size 5, colour 0x202020, a solid fill and no stroke
// under way, whatever was chosen before.
TEST_F(EngineTest, ResetBringsBackTheStartingTools)
{
    engine.pressToolButton(ToolButton::crayonbutton);
    engine.btnplusClick();
    engine.chooseFillStyle(6);
    useColour(Colour(0x00FF00));
    engine.IMpadMouseDown({10, 10});
    engine.ResetTools();
    EXPECT_EQ(engine.CurrentTool, Tool::tlFreehand);
    EXPECT_EQ(engine.ShownSize, 5);
    EXPECT_EQ(engine.controls().sizeText, "5");
    EXPECT_EQ(engine.padPen().colour(), raster::kBlack);
    EXPECT_EQ(engine.currentColour(), Colour(0x202020));
    EXPECT_EQ(engine.fillStyle(), 0);
    EXPECT_EQ(engine.FillCursor, CursorSlot::kFill);
    EXPECT_FALSE(engine.PenDown);
}

TEST_F(EngineTest, MovingOffThePadHidesThePreviewAndTheFloatingClip)
{
    engine.showPreview(Colour(0x00FF00));
    engine.FormMouseMove();
    EXPECT_FALSE(engine.controls().previewVisible);
    EXPECT_FALSE(engine.controls().floatingClipVisible);
}
