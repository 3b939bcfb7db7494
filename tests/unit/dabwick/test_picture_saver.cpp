#include <gtest/gtest.h>

#include <filesystem>

#include "dabwick/FirstRunRecord.h"
#include "dabwick/IniFile.h"
#include "dabwick/PictureDocument.h"
#include "dabwick/PictureSaver.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace dabwick;
namespace fs = std::filesystem;

namespace {

class SaverTest : public ::testing::Test {
protected:
    SaverTest() : record(temp.path() + "dabwick.qy", temp.path(), false), saver(doc, dialogs, dialogs, record)
    {
        saver.setUserFolder(temp.makeFolder("Ann's folder/Dabwick"));
        doc.history.setHistoryFlag();
        doc.StartNewDrawing();
        doc.picture.setPixel(10, 20, raster::Colour(0x00FF00));
        doc.lineArt.setPixel(30, 40, raster::kBlack);
        doc.MarkChanged();
    }
    std::string userFile(const std::string& name) const { return saver.userFolder() + name; }

    TempFolder temp;
    PictureDocument doc;
    ScriptedDialogs dialogs;
    FirstRunRecord record;
    PictureSaver saver;
};

}  // namespace

// Both layers loading back pixel for pixel is checked with the loader.
TEST_F(SaverTest, SavingANewDrawingWritesBothFilesAndNamesThePicture)
{
    dialogs.names = {"boat"};
    ASSERT_TRUE(saver.SaveCurrentPicture());

    EXPECT_EQ(fs::file_size(userFile("boat.dwb")), 1758294u);
    EXPECT_EQ(fs::file_size(userFile("boat.bmp")), 879174u);
    // The busy cursor shows only while the files are written, never over a question.
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"name: ", "busy", "idle", "notice: BOAT has now been saved."}));
    EXPECT_EQ(doc.caption(), "Picture name: {boat}");
    EXPECT_FALSE(doc.changed);
    EXPECT_FALSE(doc.buttons.save);
    EXPECT_EQ(doc.kind, PictureKind::ChildPicture);

    EXPECT_FALSE(saver.SaveCurrentPicture()) << "nothing left to save";
}

TEST_F(SaverTest, BlankNamesAndRefusedReplacesAskAgain)
{
    temp.write("Ann's folder/Dabwick/Santa.dwb", "the old santa");
    doc.kind = PictureKind::ColouringPage;
    doc.pictureName = "Santa";
    dialogs.names = {std::string(21, ' '), "santa", "santa"};
    dialogs.replaceAnswers = {false, true};

    ASSERT_TRUE(saver.SaveCurrentPicture());
    EXPECT_EQ(dialogs.shown,
        (std::vector<std::string> {"name: Santa", "warning: Name needed: You must enter a name for your picture!",
            "name: Santa", "replace: santa", "name: Santa", "replace: santa", "busy", "idle",
            "notice: SANTA has now been saved."}));
    EXPECT_NE(temp.read("Ann's folder/Dabwick/Santa.dwb"), "the old santa");
}

TEST_F(SaverTest, AFailedWriteIsNotASaveAndKeepsTheOldPicture)
{
    const std::string old = temp.write("Ann's folder/Dabwick/boat.dwb", "the old boat");
    dialogs.names = {"boat"};
    dialogs.replaceAnswers = {true};
    {
        const FileSizeLimit fullDisk(4096);
        EXPECT_FALSE(saver.SaveCurrentPicture());
    }
    EXPECT_EQ(temp.read("Ann's folder/Dabwick/boat.dwb"), "the old boat");
    EXPECT_TRUE(doc.changed);
    EXPECT_TRUE(doc.buttons.save);
    EXPECT_EQ(doc.caption(), "Picture name: {Untitled}");
    EXPECT_EQ(dialogs.shown.back(), "warning: Save error: We are sorry but this picture could not be saved! You may\n"
                                    "want to click save again and select a different name.");
    EXPECT_EQ(std::distance(fs::directory_iterator(saver.userFolder()), fs::directory_iterator()), 1)
        << "no temporary file may be left behind";
    IniFile ini;
    ASSERT_TRUE(loadIniFile(record.path(), ini));
    EXPECT_FALSE(ini.readBool("Quillory.Data", "Flag", true));

    // A failed save inside "Draw" keeps the picture: the caller must not go on.
    dialogs.saveAnswers = {SaveAnswer::Yes};
    dialogs.names = {"boat"};
    dialogs.replaceAnswers = {true};
    const FileSizeLimit fullDisk(4096);
    EXPECT_FALSE(saver.mayDiscardPicture(SaveQuestion::BeforeNewPicture));
}

TEST_F(SaverTest, AFailedPlainCopyStillSavesThePictureAndNotesTheError)
{
    temp.makeFolder("Ann's folder/Dabwick/boat.bmp");  // nothing can be written under that name
    dialogs.names = {"boat"};
    EXPECT_TRUE(saver.SaveCurrentPicture());
    EXPECT_EQ(fs::file_size(userFile("boat.dwb")), 1758294u);
    EXPECT_EQ(dialogs.shown.back(), "notice: BOAT has now been saved.");
    IniFile ini;
    ASSERT_TRUE(loadIniFile(record.path(), ini));
    EXPECT_FALSE(ini.readBool("Quillory.Data", "Flag", true));
}

TEST_F(SaverTest, TheSaveQuestionLetsTheActionGoOnOnlyWhenSafe)
{
    dialogs.saveAnswers = {SaveAnswer::No, SaveAnswer::Cancel, SaveAnswer::Yes};
    EXPECT_TRUE(saver.mayDiscardPicture(SaveQuestion::BeforeQuit));
    EXPECT_FALSE(saver.mayDiscardPicture(SaveQuestion::BeforeQuit));
    dialogs.names = {std::nullopt};
    EXPECT_FALSE(saver.mayDiscardPicture(SaveQuestion::BeforeQuit)) << "Yes, then cancelling the name dialog";
    EXPECT_TRUE(doc.changed && fs::is_empty(saver.userFolder()));

    doc.changed = false;
    EXPECT_TRUE(saver.mayDiscardPicture(SaveQuestion::BeforeQuit)) << "an unchanged picture asks nothing";
}
