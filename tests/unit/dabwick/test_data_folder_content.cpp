#include <gtest/gtest.h>

#include <filesystem>

#include "dabwick/DataFolderContent.h"
#include "dabwick/FirstRunRecord.h"
#include "dabwick/Resources.h"
#include "support/TempFolder.h"

using namespace dabwick;

TEST(DataFolderContent, MusicFilesComeBackWhenDeletedAndStayWhenChanged)
{
    TempFolder temp;
    FirstRunRecord record(temp.path() + "dabwick.qy", temp.path(), false);
    const DataFolderContent content{builtInResources(), record, temp.path()};

    content.ExtractMusicFiles();
    const std::string opening = temp.read("DW Open Music.mid");
    ASSERT_EQ(opening.substr(0, 4), "MThd");
    ASSERT_EQ(temp.read("DW Animate Music.mid").substr(0, 4), "MThd");

    temp.write("DW Animate Music.mid", "changed by a parent");
    std::filesystem::remove(temp.path() + "DW Open Music.mid");
    content.ExtractMusicFiles();
    EXPECT_EQ(temp.read("DW Open Music.mid"), opening);
    EXPECT_EQ(temp.read("DW Animate Music.mid"), "changed by a parent");
    EXPECT_FALSE(temp.exists("dabwick.qy")) << "nothing went wrong, so nothing is recorded";
}
