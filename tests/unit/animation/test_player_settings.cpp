// "Dw Player.ini" in the child's folder: its defaults, its values, and a folder it cannot be written to.
#include <gtest/gtest.h>

#include "dabwick/FirstRunRecord.h"
#include "dabwick/PlayerSettings.h"
#include "support/TempFolder.h"

namespace {

using dabwick::PlayerSettings;

TEST(PlayerSettings, ReadsTheDefaultsForAnythingMissingOrNotANumber)
{
    struct Row {
        const char* file;  // null: no file
        PlayerSettings expected;
    };
    for (const Row& row : {Row {nullptr, {false, true}}, Row {"[Player]\nMaximized=1\nMusic On=0\n", {true, false}},
             Row {"[player]\nMAXIMIZED = -2\nmusic on=yes\n", {true, true}},
             Row {"[Other]\nMaximized=1\n[Player]\nMusic On=\n", {false, true}}}) {
        TempFolder folder;
        if (row.file)
            folder.write("dw player.INI", row.file);  // found whatever its letter case
        EXPECT_EQ(dabwick::ReadPlayerSettings(folder.path()), row.expected) << (row.file ? row.file : "no file");
    }
}

TEST(PlayerSettings, WritesBothValuesKeepingTheRestOfTheFileOrNotesTheFailure)
{
    TempFolder folder;
    folder.write("Dw Player.ini", "; mine\n[Player]\nMaximized=0\n");
    dabwick::FirstRunRecord record(folder.path() + "record.qy", folder.path(), false);
    EXPECT_TRUE(dabwick::WritePlayerSettings(folder.path(), {true, false}, record));
    EXPECT_EQ(folder.read("Dw Player.ini"), "; mine\n[Player]\nMaximized=1\nMusic On=0\n");
    EXPECT_FALSE(folder.exists("record.qy"));

    const std::string gone = folder.path() + "gone/";  // the child's folder went away meanwhile
    EXPECT_FALSE(dabwick::WritePlayerSettings(gone, {}, record));
    EXPECT_NE(folder.read("record.qy").find("Unable to write " + gone + "Dw Player.ini"), std::string::npos);
}

}  // namespace
