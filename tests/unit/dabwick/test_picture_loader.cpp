#include <filesystem>
#include <gtest/gtest.h>

#include "dabwick/FirstRunRecord.h"
#include "dabwick/PictureChooser.h"
#include "dabwick/PictureDocument.h"
#include "dabwick/PictureLoader.h"
#include "dabwick/PictureSaver.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace dabwick;
using raster::Colour;

namespace {

class LoaderTest : public ::testing::Test {
protected:
    LoaderTest()
        : loader(doc, dialogs)
    {
        doc.history.setHistoryFlag();
        doc.StartNewDrawing();
    }
    TempFolder temp;
    PictureDocument doc;
    ScriptedDialogs dialogs;
    PictureLoader loader;
};

}  // namespace

TEST_F(LoaderTest, AColouredPageLoadsAsPureLineArt)
{
    raster::Bitmap page(kPadWidth, kPadHeight, Colour(0x00FF00));
    page.setPixel(10, 10, raster::kBlack);
    page.setPixel(11, 10, Colour::rgb(1, 1, 1));
    temp.writeBitmap("coloring pages/Frog.dwp", page);

    ASSERT_EQ(loader.LoadPageFile(temp.path() + "coloring pages/Frog.dwp"), LoadOutcome::Loaded);
    EXPECT_EQ(doc.picture.pixel(10, 10), raster::kBlack);
    EXPECT_EQ(doc.picture.pixel(11, 10), raster::kWhite) << "only pure black is line";
    EXPECT_EQ(doc.picture.pixel(300, 300), raster::kWhite);
    EXPECT_EQ(doc.picture, doc.lineArt);
    EXPECT_EQ(doc.kind, PictureKind::ColouringPage);
    EXPECT_EQ(doc.caption(), "Picture name: {Frog}");
    EXPECT_FALSE(doc.changed);
}

TEST_F(LoaderTest, FilesOfTheWrongKindAreRefusedAndLeaveABlankPad)
{
    struct Case {
        const char* file;
        std::string content;
        bool asPage;
        LoadOutcome outcome;
        const char* warning;
    };
    const std::string page = temp.read(temp.writeBitmap("page.bmp", raster::Bitmap(kPadWidth, kPadHeight)));
    const Case cases[] = {
        {"Page as picture.dwb", page, false, LoadOutcome::WrongSize,
            "warning: Invalid size error: NOTICE: "
            "The picture selected has an invalid size "
            "and can not be loaded!"},
        {"Broken.dwp", "BM this is no picture", true, LoadOutcome::Unreadable,
            "warning: Picture error: The picture \"Broken\" can not be loaded:"},
        {"Empty.dwb", "", false, LoadOutcome::Unreadable,
            "warning: Picture error: The picture \"Empty\" can not be loaded:"},
    };
    for (const Case& c : cases) {
        doc.picture.setPixel(5, 5, raster::kBlack);
        const std::string path = temp.write(c.file, c.content);
        EXPECT_EQ(c.asPage ? loader.LoadPageFile(path) : loader.LoadPictureFile(path), c.outcome) << c.file;
        EXPECT_EQ(doc.picture, doc.blank) << c.file;
        ASSERT_FALSE(dialogs.shown.empty());
        EXPECT_EQ(dialogs.shown.back().rfind(c.warning, 0), 0u) << dialogs.shown.back();
        EXPECT_EQ(temp.read(c.file), c.content) << "the file stays as it was";
    }
}

TEST_F(LoaderTest, ASavedPictureLoadsBackBothLayersPixelForPixel)
{
    FirstRunRecord record(temp.path() + "dabwick.qy", temp.path(), false);
    PictureSaver saver(doc, dialogs, dialogs, record);
    saver.setUserFolder(temp.makeFolder("Ann's folder/Dabwick"));
    for (int x = 0; x < kPadWidth; ++x) {
        doc.picture.setPixel(x, x % kPadHeight, Colour(std::uint32_t(x * 977)));
        doc.lineArt.setPixel(x, (x * 7) % kPadHeight, raster::kBlack);
    }
    doc.MarkChanged();
    dialogs.names = {"stripes"};
    ASSERT_TRUE(saver.SaveCurrentPicture());
    const raster::Bitmap picture = doc.picture;
    const raster::Bitmap lineArt = doc.lineArt;

    doc.StartNewDrawing();
    ASSERT_EQ(loader.LoadPictureFile(saver.userFolder() + "stripes.dwb"), LoadOutcome::Loaded);
    EXPECT_EQ(doc.picture, picture);
    EXPECT_EQ(doc.lineArt, lineArt);
    EXPECT_EQ(doc.kind, PictureKind::ChildPicture);
    doc.MarkChanged();
    doc.RecordUndoStep();
    doc.UndoLastChange();
    EXPECT_EQ(doc.picture, picture) << "undo returns to the loaded picture";
}

TEST_F(LoaderTest, TheChooserSortsWithoutRegardToCaseAndDeletesWithTheCopy)
{
    for (const char* name : {"zebra", "Boat", "apple"}) {
        temp.writeBitmap(
            std::string("pics/") + name + ".dwb", raster::Bitmap(kPadWidth, kPadHeight * 2, Colour(0xFF0000)));
        temp.write(std::string("pics/") + name + ".bmp", "copy");
    }
    PictureChooser chooser(ChooserMode::ChildPictures, temp.path() + "pics/", "*.dwb*");
    EXPECT_EQ(chooser.titles(), (std::vector<std::string> {"apple", "Boat", "zebra"}));
    ASSERT_TRUE(chooser.preview().has_value());
    EXPECT_EQ(chooser.preview()->pixel(0, 0), Colour(0xFF0000));

    dialogs.yesNoAnswers = {true};
    chooser.select(1);
    chooser.deleteSelected(dialogs);
    EXPECT_EQ(chooser.titles(), (std::vector<std::string> {"apple", "zebra"}));
    EXPECT_FALSE(temp.exists("pics/Boat.bmp"));
    EXPECT_EQ(dialogs.shown.front(), "ask: Delete file");

    // A page-sized picture has no preview among the child's pictures.
    temp.writeBitmap("pics/small.dwb", raster::Bitmap(kPadWidth, kPadHeight));
    chooser.reread();
    chooser.select(1);
    ASSERT_EQ(chooser.titles().at(1), "small");
    EXPECT_FALSE(chooser.preview().has_value());
}
