#include <gtest/gtest.h>

#include "clips/ClipTestSupport.h"
#include "dabwick/ClipPicture.h"
#include "drawing/EngineFixture.h"
#include "raster/Blit.h"

using namespace dabwick;
using cliptest::bigClip;

namespace {

const raster::Bitmap kClip = composeClip(bigClip({"r#.r", "#.r#", ".r#.", "r#.r"}));

class ClipStampTest : public EngineTest {
protected:
    void chooseClip()
    {
        engine.pressToolButton(ToolButton::btnclip);
        engine.selectClip(kClip);
    }
    // A click on the pad at `at` after the pointer came there.
    void stampAt(raster::Point at)
    {
        engine.IMpadMouseMove(at, false);
        click(at);
    }
};

TEST_F(ClipStampTest, WritesOnlyBlackAndWhiteIntoBothLayers)
{
    const std::vector<std::string_view> onWhite = {".#..", "#..#", "..#.", ".#.."};
    struct Case {
        const char* what;
        raster::Point pointer;
        raster::Colour ground;
        std::vector<std::string_view> picture;  // the whole stamp as it lands; off the pad is dropped
    };
    const Case cases[] = {
        {"centre over colour", {330, 222}, raster::Colour::rgb(0, 255, 0), {"g#.g", "#.g#", ".g#.", "g#.g"}},
        {"top-left corner", {0, 0}, raster::kWhite, onWhite},
        {"bottom-right corner", {659, 443}, raster::kWhite, onWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.StartNewDrawing();
        doc.picture.fill(c.ground);
        chooseClip();
        stampAt(c.pointer);
        const raster::Point corner{c.pointer.x - 32, c.pointer.y - 32};
        raster::Bitmap picture(kPadWidth, kPadHeight, c.ground), lineArt(kPadWidth, kPadHeight);
        raster::copyBitmap(picture, corner, bigClip(c.picture));
        raster::copyBitmap(lineArt, corner, bigClip(onWhite));
        EXPECT_BITMAP_EQ(picture, doc.picture);
        EXPECT_BITMAP_EQ(lineArt, doc.lineArt);
        EXPECT_EQ(doc.history.count(), 1) << "one undo step";
        EXPECT_TRUE(doc.changed && doc.buttons.save && doc.buttons.print);
    }
}

TEST_F(ClipStampTest, FloatingClipFollowsThePointerAndStampsOncePerClick)
{
    engine.pressToolButton(ToolButton::btnclip);
    engine.IMpadMouseMove({100, 100}, false);
    EXPECT_EQ(engine.controls().padCursor, CursorSlot::kNoEdit);
    click({100, 100});
    EXPECT_EQ(doc.history.count(), 1) << "no clip: the click lands on the pad, an empty step";
    EXPECT_EQ(doc.picture, doc.blank);

    engine.selectClip(kClip);
    EXPECT_FALSE(engine.controls().floatingClipVisible) << "selecting alone shows nothing";
    engine.IMpadMouseMove({100, -20}, false);
    EXPECT_TRUE(engine.controls().floatingClipVisible);
    EXPECT_EQ(engine.controls().padCursor, CursorSlot::kHidden);
    EXPECT_EQ(engine.MainclipAt(), (raster::Point{68, -32})) << "centred, the pointer kept on the pad";
    stampAt({200, 200});
    const raster::Bitmap once = doc.picture;
    stampAt({200, 200});
    EXPECT_EQ(doc.history.count(), 3);
    EXPECT_EQ(doc.picture, once) << "a second stamp looks the same";
    EXPECT_FALSE(engine.PenDown);

    engine.FormMouseMove();
    EXPECT_FALSE(engine.controls().floatingClipVisible);
    engine.pressToolButton(ToolButton::btnclip);
    EXPECT_TRUE(engine.clipselected()) << "the browser was showing: the selection stays";
    engine.pressToolButton(ToolButton::crayonbutton);
    EXPECT_FALSE(engine.controls().clipPanelVisible);
    engine.pressToolButton(ToolButton::btnclip);
    EXPECT_FALSE(engine.clipselected());
    EXPECT_EQ(engine.Mainclip(), blankClip());
}

}  // namespace
