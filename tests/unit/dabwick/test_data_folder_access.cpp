// The first-run access setup: what it lists, what it opens, and what it must never touch.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/mount.h>
#include <sys/stat.h>

#include "dabwick/DataFolderAccess.h"
#include "dabwick/FirstRunRecord.h"
#include "support/TempFolder.h"

using namespace dabwick;
namespace fs = std::filesystem;

namespace {

using Paths = std::vector<std::string>;

mode_t modeOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

}  // namespace

TEST(DataFolderAccess, ListsChildrenPicturesClipsAndContentInOrder)
{
    TempFolder data;
    data.write("Ann's folder/Dabwick/Cat.dwb", "");
    data.write("Ann's folder/Dabwick/Dw Player.ini", "");
    data.write("Ann's folder/Dabwick/notes.txt", "");
    data.write("Ann's folder/Dabwick/user's clips/Sun.dwc", "");
    data.makeFolder("Bob's folder");          // no Dabwick folder: only the child's folder itself
    data.makeFolder("Tom's Folder/Dabwick");  // not a child's folder: the suffix is compared exactly
    data.write("Color palettes/Main.dwl", "");
    data.write("coloring pages/Boat.dwp", "");
    data.write("Clips/Animals/Fox.dwc", "");
    data.makeFolder("Clips/Fences");
    data.write("DW Open Music.mid", "");
    data.write("dabwick", "the program");

    EXPECT_EQ(BuildAccessList(data.path()),
        (Paths {"Ann's folder", "Bob's folder", "Ann's folder/Dabwick/Dw Player.ini", "Ann's folder/Dabwick",
            "Ann's folder/Dabwick/Cat.dwb", "Ann's folder/Dabwick/Cat.bmp", "Ann's folder/Dabwick/user's clips",
            "Ann's folder/Dabwick/user's clips/Sun.dwc", "Color palettes", "Color palettes/Main.dwl", "coloring pages",
            "coloring pages/Boat.dwp", "Clips", "Clips/Animals", "Clips/Animals/Fox.dwc", "Clips/Fences",
            "DW Animate Music.mid", "DW Open Music.mid"}));
}

TEST(DataFolderAccess, OpensTheListAndMarksTheSetupDoneEvenWhenAnEntryFails)
{
    TempFolder data;
    const std::string picture = data.write("Ann's folder/Dabwick/Cat.dwb", "");
    fs::permissions(picture, fs::perms(0600));
    FirstRunRecord record(data.path() + "dabwick.qy", data.path(), true);
    ASSERT_TRUE(record.NeedsFirstRunSetup());

    EXPECT_FALSE(OpenDataFolderAccess(data.path(), record)) << "Cat.bmp and the music files do not exist";
    EXPECT_EQ(modeOf(picture), 0666u);
    EXPECT_EQ(modeOf(data.path() + "Ann's folder/Dabwick"), 0777u);
    EXPECT_FALSE(record.NeedsFirstRunSetup()) << "a second start skips the setup";
}

TEST(DataFolderAccess, NeverFollowsALinkOutOfTheDataFolder)
{
    TempFolder data;
    TempFolder elsewhere;
    const std::string systemFile = elsewhere.write("passwd", "root:x:0:0");
    const std::string systemFolder = elsewhere.makeFolder("etc");
    fs::permissions(systemFile, fs::perms(0644));
    fs::permissions(systemFolder, fs::perms(0755));
    data.makeFolder("Ann's folder/Dabwick");
    fs::create_symlink(systemFile, data.path() + "Ann's folder/Dabwick/Cat.dwb");
    fs::create_symlink(systemFolder, data.path() + "Eve's folder");
    fs::create_symlink(systemFile, data.path() + "DW Open Music.mid");
    FirstRunRecord record(data.path() + "dabwick.qy", data.path(), true);

    Paths list = BuildAccessList(data.path());
    GrantAccessToList(data.path(), list, record);
    EXPECT_EQ(modeOf(systemFile), 0644u);
    EXPECT_EQ(modeOf(systemFolder), 0755u);
    EXPECT_NE(std::find(list.begin(), list.end(), "Ann's folder/Dabwick/Cat.dwb"), list.end()) << "left as failed";

    Paths escaping{"../" + fs::path(elsewhere.path()).parent_path().filename().string() + "/passwd"};
    GrantAccessToList(data.path(), escaping, record);
    EXPECT_EQ(modeOf(systemFile), 0644u);
}

TEST(DataFolderAccess, OnlyAnEmptyVolumeRootStopsWithoutTouchingTheRecord)
{
    TempFolder temp;
    EXPECT_EQ(BuildAccessList(temp.path()).size(), 2u) << "an empty folder that is no volume root: the two tunes";
    const std::string root = temp.makeFolder("volume");
    if (::mount("none", root.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a file system needs the right to do so";
    FirstRunRecord record(temp.path() + "dabwick.qy", root, true);
    EXPECT_TRUE(BuildAccessList(root).empty());
    EXPECT_TRUE(OpenDataFolderAccess(root, record));
    EXPECT_FALSE(temp.exists("dabwick.qy"));
    ::umount(root.c_str());
}
