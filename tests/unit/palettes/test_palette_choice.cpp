#include <gtest/gtest.h>
#include <optional>

#include "dabwick/DrawingEngine.h"
#include "dabwick/PaletteChoice.h"
#include "dabwick/PaletteStrip.h"
#include "dabwick/PictureDocument.h"
#include "dabwick/Resources.h"

using namespace dabwick;
using raster::Colour;

namespace {

constexpr Colour kRed = Colour::rgb(255, 0, 0);  // strip: second row, first square
constexpr Colour kGreen = Colour::rgb(0, 255, 0);
constexpr raster::Point kRedSquare {8, 22};
constexpr raster::Point kGreenSquare {22, 22};
constexpr raster::Point kGapBetweenSquares {17, 22};
constexpr raster::Point kRule {40, 35};

const raster::Bitmap& builtInStrip()
{
    static const PaletteStrip strip = PaletteStrip::builtIn(builtInResources());
    return strip.image();
}

}  // namespace

TEST(StripHover, WhatEachPlaceOfTheStripPreviews)
{
    const Colour mainCorner = builtInStrip().pixel(kPaletteArea.x + 1, kPaletteArea.y + 1);
    const Colour grey133 = Colour::rgb(133, 133, 133);
    struct Case {
        raster::Point at;
        StripHover expected;
        const char* where;
    };
    const Case cases[] = {
        {{-1, 100}, {false, std::nullopt}, "left of the strip"},
        {{0, 0}, {true, std::nullopt}, "the frame keeps the last colour"},
        {kRule, {true, std::nullopt}, "a rule keeps the last colour"},
        {kGapBetweenSquares, {true, std::nullopt}, "a white gap keeps the last colour"},
        {{4, 4}, {true, Colour::rgb(97, 2, 4)}, "top-left pixel of the first square"},
        {kRedSquare, {true, kRed}, "pure red, zero channels and all"},
        {{kPaletteArea.x + 1, kPaletteArea.y + 1}, {true, mainCorner}, "the palette's first square"},
        {{79, 442}, {true, grey133}, "the last dark grey, above the white zone"},
        {{79, 443}, {true, raster::kWhite}, "the white zone starts inside the grey square"},
        {{85, 456}, {true, std::nullopt}, "the white square's lowest rows are not in the zone"},
        {{92, 450}, {true, std::nullopt}, "the gap right of the zone"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hoverOnStrip(builtInStrip(), c.at), c.expected) << c.where;
}

class ColourChoice : public ::testing::Test {
protected:
    ColourChoice()
        : engine(doc)
    {
        doc.StartNewDrawing();
        engine.ResetTools();
    }

    void hover(raster::Point at) { impalmainMouseMove(engine, builtInStrip(), at); }
    void clickStrip(raster::Point at)
    {
        hover(at);
        impalmainMouseDown(engine);
    }

    PictureDocument doc;
    DrawingEngine engine;
};

TEST_F(ColourChoice, HoverShowsThePreviewAndPickCursorAndLeavingHidesThem)
{
    engine.pressToolButton(ToolButton::crayonbutton);
    hover(kGreenSquare);
    EXPECT_TRUE(engine.controls().previewVisible);
    EXPECT_EQ(engine.controls().stripCursor, CursorSlot::kPick);
    EXPECT_EQ(engine.previewColour(), kGreen);

    hover({-3, 200});
    EXPECT_FALSE(engine.controls().previewVisible);
    EXPECT_EQ(engine.controls().stripCursor, CursorSlot::kDefault);
    EXPECT_EQ(engine.previewColour(), kGreen) << "hiding keeps the colour";

    hover(kRule);
    EXPECT_TRUE(engine.controls().previewVisible) << "back on the strip, the last colour shows again";
    EXPECT_EQ(engine.previewColour(), kGreen);
}

// A strip click takes the colour last previewed, unchanged (only the dialog's colours are
// normalised), and an armed picker goes back to its tool while the replacer stays armed.
TEST_F(ColourChoice, AStripClickTakesTheLastPreviewAndKeepsTheToolItBelongsTo)
{
    struct Case {
        const char* what;
        std::vector<ToolButton> pressed;
        raster::Point hovered, clicked;
        Tool tool;
        bool armed;
        Colour colour;
    };
    const Case cases[] = {
        {"a gap between squares", {ToolButton::crayonbutton}, kRedSquare, kGapBetweenSquares, Tool::tlCrayon, false,
            kRed},
        {"the white square below the zone", {ToolButton::fillbutton}, kGreenSquare, {85, 457}, Tool::tlFill, false,
            kGreen},
        {"the white zone", {ToolButton::fillbutton}, kGreenSquare, {80, 444}, Tool::tlFill, false, raster::kWhite},
        {"an armed picker", {ToolButton::markerbutton, ToolButton::btnselect}, kGreenSquare, kGreenSquare,
            Tool::tlMarker, false, kGreen},
        {"the replacer", {ToolButton::btnreplace}, kRedSquare, kRedSquare, Tool::tlReplace, true, kRed},
    };
    for (const Case& c : cases) {
        engine.ResetTools();
        for (const ToolButton button : c.pressed)
            engine.pressToolButton(button);
        hover(c.hovered);
        clickStrip(c.clicked);
        EXPECT_EQ(engine.CurrentTool, c.tool) << c.what;
        EXPECT_EQ(engine.downButton(), c.pressed.front()) << c.what;
        EXPECT_EQ(engine.PickArmed, c.armed) << c.what;
        EXPECT_EQ(engine.currentColour(), c.colour) << c.what;
        if (!c.armed) {
            EXPECT_EQ(engine.padBrush().colour(), c.colour) << c.what << ": the pad takes it";
        }
    }
}

TEST_F(ColourChoice, CustomColoursLoseTheirZeroChannels)
{
    struct Case {
        Colour chosen;
        Colour current;
    };
    const Case cases[] = {
        {raster::kBlack, Colour::rgb(1, 1, 1)},
        {Colour::rgb(255, 0, 0), Colour::rgb(255, 1, 1)},
        {Colour::rgb(0, 128, 255), Colour::rgb(1, 128, 255)},
        {Colour::rgb(12, 34, 56), Colour::rgb(12, 34, 56)},
        {raster::kWhite, raster::kWhite},
    };
    engine.pressToolButton(ToolButton::crayonbutton);
    for (const Case& c : cases) {
        takeCustomColour(engine, c.chosen);
        EXPECT_EQ(engine.currentColour(), c.current) << std::hex << c.chosen.value();
        EXPECT_EQ(engine.padPen().colour(), c.current) << "the crayon takes it at once";
    }
}
