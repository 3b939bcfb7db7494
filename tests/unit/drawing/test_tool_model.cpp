#include <gtest/gtest.h>

#include "drawing/EngineFixture.h"

using namespace dabwick;
using raster::Colour;

// Colouring tools show the colour controls and the picker, drawing tools hide them; only the fill
// has patterns, only the clip tool its panel, and only the replacer starts with the picker armed.
TEST_F(EngineTest, EachButtonShowsTheControlsOfItsKindOfTool)
{
    using enum ToolButton;
    for (const ToolButton button : {freehandbutton, btnerase, LineButton, RectangleButton, EllipseButton,
             RoundRectButton, btnclip, crayonbutton, markerbutton, fillbutton, btnreplace}) {
        engine.showPreview(Colour(0x00FF00));
        engine.pressToolButton(button);
        const ToolControls& shown = engine.controls();
        const bool colouring
            = button == crayonbutton || button == markerbutton || button == fillbutton || button == btnreplace;
        EXPECT_EQ(shown.previewVisible, colouring) << int(button) << ": a drawing tool hides the colour shown";
        EXPECT_EQ(shown.colourControlsVisible && shown.customVisible && shown.selectEnabled, colouring) << int(button);
        EXPECT_EQ(shown.colourControlsVisible || shown.customVisible || shown.selectEnabled, colouring) << int(button);
        EXPECT_EQ(shown.sizeControlsEnabled, button != btnclip && button != fillbutton && button != btnreplace);
        EXPECT_EQ(shown.styleEnabled, button == fillbutton);
        EXPECT_EQ(shown.clipPanelVisible, button == btnclip);
        EXPECT_EQ(engine.PickArmed, button == btnreplace) << int(button);
    }
    // The eraser is the pencil drawing white; the picker keeps the tool it came from.
    engine.pressToolButton(btnerase);
    EXPECT_EQ(std::pair(engine.CurrentTool, engine.ReturnTool), std::pair(Tool::tlFreehand, Tool::tlEraser));
    engine.pressToolButton(markerbutton);
    engine.pressToolButton(btnselect);
    EXPECT_EQ(std::pair(engine.CurrentTool, engine.ReturnTool), std::pair(Tool::tlPicker, Tool::tlMarker));
    EXPECT_TRUE(engine.PickArmed);
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
