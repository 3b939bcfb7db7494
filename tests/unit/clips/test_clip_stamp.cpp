#include <gtest/gtest.h>

#include "dabwick/ClipPicture.h"
#include "drawing/EngineFixture.h"
#include "raster/Blit.h"
#include "support/AsciiBitmap.h"

using namespace dabwick;
using testsupport::bitmapFromAscii;

namespace {

const raster::Bitmap kClip = composeClip(bitmapFromAscii({"r#.r", "#.r#", ".r#.", "r#.r"}, 16));

class ClipStampTest : public EngineTest {
protected:
    void stampAt(raster::Point at)
    {
        engine.IMpadMouseMove(at, false);
        click(at);
    }
};

TEST_F(ClipStampTest, WritesOnlyBlackAndWhiteIntoBothLayers)
{
    const std::vector<std::string_view> onWhite = {".#..", "#..#", "..#.", ".#.."};
    const std::tuple<raster::Point, raster::Colour, std::vector<std::string_view>> cases[] = {
        {{330, 222}, raster::Colour::rgb(0, 255, 0), {"g#.g", "#.g#", ".g#.", "g#.g"}},  // over colour
        {{0, 0}, raster::kWhite, onWhite},  // the pad's corners: what hangs over is dropped
        {{659, 443}, raster::kWhite, onWhite},
    };
    for (const auto& [pointer, ground, stamp] : cases) {
        doc.StartNewDrawing();
        doc.picture.fill(ground);
        engine.pressToolButton(ToolButton::btnclip);
        engine.selectClip(kClip);
        stampAt(pointer);
        const raster::Point corner{pointer.x - 32, pointer.y - 32};
        raster::Bitmap picture(kPadWidth, kPadHeight, ground), lineArt(kPadWidth, kPadHeight);
        raster::copyBitmap(picture, corner, bitmapFromAscii(stamp, 16));
        raster::copyBitmap(lineArt, corner, bitmapFromAscii(onWhite, 16));
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

    engine.selectClip(kClip);
    engine.IMpadMouseMove({100, -20}, false);
    EXPECT_EQ(engine.controls().padCursor, CursorSlot::kHidden);
    EXPECT_EQ(engine.MainclipAt(), (raster::Point{68, -32})) << "centred, the pointer kept on the pad";
    stampAt({200, 200});
    const raster::Bitmap once = doc.picture;
    stampAt({200, 200});
    EXPECT_EQ(doc.history.count(), 3);
    EXPECT_EQ(doc.picture, once) << "a second stamp looks the same";

    engine.pressToolButton(ToolButton::btnclip);
    EXPECT_TRUE(engine.clipselected()) << "the browser was showing: the selection stays";
    engine.pressToolButton(ToolButton::crayonbutton);
    engine.pressToolButton(ToolButton::btnclip);
    EXPECT_EQ(engine.Mainclip(), blankClip()) << "chosen again, the clip tool starts with no selection";
}

}  // namespace
