#include <gtest/gtest.h>

#include "dabwick/ClipMaker.h"
#include "dabwick/ClipManager.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace dabwick;

namespace {

// A clip of the given size: red background, a black pixel at (1, 1).
raster::Bitmap clipOfSide(int side)
{
    raster::Bitmap clip(side, side, raster::Colour::rgb(255, 0, 0));
    clip.setPixel(1, 1, raster::kBlack);
    return clip;
}

class ClipManagerTest : public ::testing::Test {
protected:
    ClipManagerTest() { manager.setFolder(temp.makeFolder("user's clips")); }

    TempFolder temp;
    ClipManager manager;
    ClipMaker maker;
    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(ClipManagerTest, ListsEveryClipFileInOrderWithItsLastFourCharactersCut)
{
    temp.writeBitmap("user's clips/boat.dwc", clipOfSide(64));
    temp.writeBitmap("user's clips/Apple.DWC", clipOfSide(32));
    temp.write("user's clips/cat.dwcx", "no bitmap");
    temp.write("user's clips/notes.txt", "not a clip");
    manager.RefreshClipList();

    EXPECT_EQ(manager.clipNames(), (std::vector<std::string> {"Apple", "boat", "cat."}));
    EXPECT_EQ(manager.selected(), 0u);
    EXPECT_TRUE(manager.haveClips());
    // A clip of any size previews at its own size on maroon, its background left out.
    EXPECT_EQ(manager.preview().pixel(1, 1), raster::kBlack);
    EXPECT_EQ(manager.preview().pixel(0, 0), kMaroon);
    EXPECT_EQ(manager.preview().pixel(40, 40), kMaroon);

    manager.lbClipsClick(2);
    EXPECT_EQ(manager.preview().pixel(1, 1), kMaroon) << "a file that is no bitmap shows nothing";
    EXPECT_FALSE(manager.btnEditClick(maker, dialogs));
    EXPECT_EQ(dialogs.shown.at(0).rfind("warning: Clip error: The clip \"cat.\" can not be loaded:", 0), 0u);
}

TEST_F(ClipManagerTest, EachOpenerPreparesTheMaker)
{
    temp.writeBitmap("user's clips/Fox.dwc", clipOfSide(64));
    manager.RefreshClipList();

    ASSERT_TRUE(manager.btnCopyClick(maker, dialogs));
    EXPECT_EQ(maker.caption, "Copy of (Fox)");
    EXPECT_EQ(maker.ClipName, kNoClipName);
    EXPECT_EQ(maker.area().pixel(0, 0), raster::kBlack) << "the clip's pixel (1, 1)";

    ASSERT_TRUE(manager.btnEditClick(maker, dialogs));
    EXPECT_EQ(maker.caption, "Fox");
    EXPECT_EQ(maker.ClipName, "Fox");
    EXPECT_EQ(maker.editedFile, temp.path() + "user's clips/Fox.dwc");

    manager.btnNewClick(maker);
    EXPECT_EQ(maker.caption, "New Clip");
    EXPECT_EQ(maker.ClipName, kNoClipName);
    EXPECT_EQ(maker.area(), raster::Bitmap(ClipMaker::kEditSide, ClipMaker::kEditSide, kOlive));
}

TEST_F(ClipManagerTest, DeletingTheLastClipAsksAndLeavesItsPreview)
{
    temp.writeBitmap("user's clips/Fox.dwc", clipOfSide(64));
    manager.RefreshClipList();
    dialogs.yesNoAnswers = {false, true};

    manager.btnDeleteClick(dialogs);
    EXPECT_TRUE(temp.exists("user's clips/Fox.dwc"));
    manager.btnDeleteClick(dialogs);
    EXPECT_FALSE(temp.exists("user's clips/Fox.dwc"));
    EXPECT_EQ(dialogs.shown, (std::vector<std::string> {"ask: Fox", "ask: Fox"}));
    EXPECT_TRUE(manager.clipNames().empty());
    EXPECT_FALSE(manager.haveClips());
    EXPECT_EQ(manager.preview().pixel(1, 1), raster::kBlack);
}
