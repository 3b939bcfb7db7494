#include <gtest/gtest.h>
#include <vector>

#include "dabwick/ClipMaker.h"
#include "support/AsciiBitmap.h"
#include "support/ScriptedDialogs.h"

using namespace dabwick;
using raster::Point;

namespace {

// Every pixel of the area that is no longer olive, as "x,y" and its colour letter.
std::string paintedPixels(const raster::Bitmap& area)
{
    std::string out;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (area.pixel(x, y) != kOlive)
                out += (out.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y)
                    + testsupport::letterOfColour(area.pixel(x, y));
    return out;
}

// The centre of an area pixel on the magnified view, then the pointer's moves and release.
Point on(int x, int y)
{
    return {x * ClipMaker::kMagnification + 2, y * ClipMaker::kMagnification + 2};
}

// The saved clip is the area inside a border of olive.
bool previewFramesArea(const ClipMaker& maker)
{
    for (int y = 0; y < kClipSide; ++y)
        for (int x = 0; x < kClipSide; ++x) {
            const bool border = x == 0 || y == 0 || x == kClipSide - 1 || y == kClipSide - 1;
            if (maker.preview().pixel(x, y) != (border ? kOlive : maker.area().pixel(x - 1, y - 1)))
                return false;
        }
    return true;
}

void drag(ClipMaker& maker, const std::vector<Point>& path)
{
    maker.imstretchedMouseDown(on(path.front().x, path.front().y));
    for (std::size_t i = 1; i < path.size(); ++i)
        maker.imstretchedMouseMove(on(path[i].x, path[i].y));
    maker.imstretchedMouseUp(on(path.back().x, path.back().y));
}

}  // namespace

TEST(ClipMaker, StrokesPaintExactlyTheirPixels)
{
    struct Case {
        const char* what;
        ClipTool tool;
        ClipColour colour;
        std::vector<Point> path;
        const char* painted;
    };
    const Case cases[] = {
        {"freehand click", ClipTool::Freehand, ClipColour::Black, {{2, 3}}, "2,3#"},
        {"line click", ClipTool::Line, ClipColour::Black, {{2, 3}}, ""},
        {"freehand stroke leaves its last point", ClipTool::Freehand, ClipColour::White, {{0, 0}, {3, 0}},
            "0,0. 1,0. 2,0."},
        {"freehand back to the press point", ClipTool::Freehand, ClipColour::Black, {{5, 5}, {7, 5}, {5, 5}},
            "5,5# 6,5# 7,5#"},
        {"line with a wandering band", ClipTool::Line, ClipColour::Black, {{1, 1}, {9, 9}, {40, 2}, {4, 1}},
            "1,1# 2,1# 3,1#"},
        {"a drag off the area is clipped", ClipTool::Freehand, ClipColour::Black, {{60, 60}, {70, 60}},
            "60,60# 61,60#"},
    };
    for (const Case& c : cases) {
        ClipMaker maker;
        maker.FormShow();
        maker.chooseTool(c.tool);
        maker.chooseColour(c.colour);
        drag(maker, c.path);
        EXPECT_EQ(paintedPixels(maker.area()), c.painted) << c.what;
        EXPECT_TRUE(previewFramesArea(maker)) << c.what;
    }
}

TEST(ClipMaker, TheFillTakesOnlyTheConnectedAreaAndUndoTakesOneStepBack)
{
    ClipMaker maker;
    maker.FormShow();
    drag(maker, {{30, 0}, {30, 62}});  // a wall from top to bottom, off the area at the end
    const raster::Bitmap walled = maker.area();
    maker.chooseTool(ClipTool::Fill);
    maker.chooseColour(ClipColour::White);
    maker.imstretchedMouseDown(on(3, 40));
    maker.imstretchedMouseUp(on(3, 40));

    EXPECT_EQ(maker.area().pixel(29, 61), raster::kWhite);
    EXPECT_EQ(maker.area().pixel(30, 61), raster::kBlack);
    EXPECT_EQ(maker.area().pixel(31, 0), kOlive);
    EXPECT_EQ(maker.preview().pixel(30, 1), raster::kWhite) << "the preview follows at (1, 1)";
    EXPECT_TRUE(maker.undoEnabled());

    maker.btnUndoClick();
    EXPECT_EQ(maker.area(), walled);
    EXPECT_EQ(maker.preview().pixel(30, 1), kOlive);
    EXPECT_FALSE(maker.undoEnabled());
}

TEST(ClipMaker, ClearAsksFirstAndCannotBeUndone)
{
    ClipMaker maker;
    maker.FormShow();
    drag(maker, {{10, 10}});
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = {false, true};

    maker.btnclearClick(dialogs);
    EXPECT_EQ(paintedPixels(maker.area()), "10,10#");
    EXPECT_TRUE(maker.undoEnabled());
    maker.btnclearClick(dialogs);
    EXPECT_EQ(paintedPixels(maker.area()), "");
    EXPECT_EQ(paintedPixels(maker.preview()), "");
    EXPECT_FALSE(maker.undoEnabled());
    EXPECT_EQ(dialogs.shown, (std::vector<std::string> {"ask: Clear clip", "ask: Clear clip"}));
}

// The clip an opener hands over loses its border; the manager's tests check it.
TEST(ClipMaker, ShowingStartsWithBlackFreehandAndTheOliveButtonSaysTransparent)
{
    ClipMaker maker;
    maker.chooseTool(ClipTool::Line);
    maker.chooseColour(ClipColour::Olive);
    maker.FormShow();
    EXPECT_EQ(maker.tool(), ClipTool::Freehand);
    drag(maker, {{3, 3}});
    EXPECT_EQ(paintedPixels(maker.area()), "3,3#");
    EXPECT_EQ(maker.buttonLook(ClipColour::Black).caption, "");
    EXPECT_EQ(maker.buttonLook(ClipColour::Olive).caption, "Transparent");
}
