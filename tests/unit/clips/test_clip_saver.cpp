#include <gtest/gtest.h>

#include "dabwick/ClipMaker.h"
#include "dabwick/ClipSaver.h"
#include "dabwick/FirstRunRecord.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace dabwick;

namespace {

class ClipSaverTest : public ::testing::Test {
protected:
    ClipSaverTest()
        : clips(temp.makeFolder("Ann's folder/Dabwick/user's clips"))
        , record(temp.path() + "dabwick.qy", temp.path(), false)
        , saver(temp.path(), dialogs, dialogs, record)
    {
        maker.ClipOwner = "Ann";
        maker.FormShow();
        maker.imstretchedMouseDown({0, 0});  // one black dot in the area's top-left corner
        maker.imstretchedMouseUp({0, 0});
    }

    TempFolder temp;
    std::string clips;
    ScriptedDialogs dialogs;
    FirstRunRecord record;
    ClipSaver saver;
    ClipMaker maker;
};

// The whole file as the program must write it: the headers, then 64 rows of 192 bytes from the
// bottom row up, olive everywhere but the dot at clip pixel (1, 1).
std::string expectedClipFile()
{
    const unsigned char header[54] = {'B', 'M', 0x36, 0x30, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 64, 0, 0, 0, 64,
        0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 0, 0x30, 0, 0};
    std::string file(reinterpret_cast<const char*>(header), sizeof header);
    for (int y = 63; y >= 0; --y)
        for (int x = 0; x < 64; ++x)
            file += (x == 1 && y == 1) ? std::string(3, '\0') : std::string {'\0', '\x80', '\x80'};
    return file;
}

}  // namespace

TEST_F(ClipSaverTest, ANewClipKeepsItsLeadingSpaceAndIsWrittenByteForByte)
{
    dialogs.names = {" Fox"};
    EXPECT_TRUE(saver.btnsaveClick(maker)) << "the window closes";
    EXPECT_EQ(dialogs.shown, (std::vector<std::string> {"clip-name", "notice: Your clip has now been saved."}));
    ASSERT_TRUE(temp.exists("Ann's folder/Dabwick/user's clips/ Fox.dwc"));
    const std::string written = temp.read("Ann's folder/Dabwick/user's clips/ Fox.dwc");
    EXPECT_EQ(written.size(), 12342u);
    EXPECT_TRUE(written == expectedClipFile());
}

TEST_F(ClipSaverTest, BlankAndTakenNamesBringTheDialogBackUntilCancelled)
{
    temp.write("Ann's folder/Dabwick/user's clips/Fox.dwc", "the old fox");
    dialogs.names = {"   ", "fOX", std::nullopt};
    EXPECT_FALSE(saver.btnsaveClick(maker));
    EXPECT_EQ(dialogs.shown,
        (std::vector<std::string> {
            "clip-name",
            "warning: Name error: You must enter a name to continue!",
            "clip-name",
            "warning: Name error: You already have a clip named  'FOX'  in your folder. \n"
            "Please select a different name and try again.",
            "clip-name",
        }));
    EXPECT_EQ(temp.read("Ann's folder/Dabwick/user's clips/Fox.dwc"), "the old fox");
}

TEST_F(ClipSaverTest, WithNobodySignedInTheTemporaryClipIsReplacedAndTheWindowStays)
{
    temp.write("tempclip.DWC", "an earlier clip");
    maker.ClipOwner.clear();
    dialogs.yesNoAnswers = {false, true};
    EXPECT_FALSE(saver.btnsaveClick(maker));
    EXPECT_EQ(temp.read("tempclip.DWC"), "an earlier clip");
    EXPECT_FALSE(saver.btnsaveClick(maker));
    EXPECT_TRUE(temp.read("tempclip.DWC") == expectedClipFile());
    EXPECT_FALSE(temp.exists("TempClip.dwc")) << "one file, found without regard to case";
    EXPECT_EQ(dialogs.shown.back(), "notice: Your clip has now been saved.");
}

TEST_F(ClipSaverTest, AnEditedClipIsReplacedOnlyAfterYes)
{
    const std::string file = temp.write("Ann's folder/Dabwick/user's clips/Cat.dwcx", "the old cat");
    maker.ClipName = "Cat.";
    maker.editedFile = file;
    dialogs.yesNoAnswers = {false, true};
    EXPECT_FALSE(saver.btnsaveClick(maker));
    EXPECT_EQ(temp.read("Ann's folder/Dabwick/user's clips/Cat.dwcx"), "the old cat");
    EXPECT_TRUE(saver.btnsaveClick(maker));
    EXPECT_TRUE(temp.read("Ann's folder/Dabwick/user's clips/Cat.dwcx") == expectedClipFile())
        << "the file it came from, whatever its extension";
    EXPECT_EQ(dialogs.shown,
        (std::vector<std::string> {"ask: Cat.", "ask: Cat.", "notice: Your clip has now been replaced."}));
}

TEST_F(ClipSaverTest, AFailedWriteWarnsAndIsNoted)
{
    const std::string file = temp.write("Ann's folder/Dabwick/user's clips/Cat.dwc", "the old cat");
    dialogs.names = {"Dog"};
    dialogs.yesNoAnswers = {true};
    const FileSizeLimit full(4096);  // room for the record, none for a clip
    EXPECT_FALSE(saver.btnsaveClick(maker)) << "a new clip that failed keeps the window open";
    maker.ClipName = "Cat";
    maker.editedFile = file;
    EXPECT_TRUE(saver.btnsaveClick(maker)) << "a failed replace closes it";

    const std::string warning = "warning: Save error: We are sorry but this clip could not be saved!";
    EXPECT_EQ(dialogs.shown, (std::vector<std::string> {"clip-name", warning, "ask: Cat", warning}));
    EXPECT_FALSE(temp.exists("Ann's folder/Dabwick/user's clips/Dog.dwc"));
    EXPECT_EQ(temp.read("Ann's folder/Dabwick/user's clips/Cat.dwc"), "the old cat");
    EXPECT_TRUE(temp.exists("dabwick.qy")) << "the error is noted in the first-run record";
}
