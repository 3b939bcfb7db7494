#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "dabwick/ClipBrowser.h"
#include "dabwick/ClipCatalogue.h"
#include "dabwick/DataFolderContent.h"
#include "dabwick/DrawingEngine.h"
#include "dabwick/FirstRunRecord.h"
#include "dabwick/PictureDocument.h"
#include "dabwick/Resources.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace dabwick;
namespace fs = std::filesystem;

TEST(ClipCatalogue, FirstStartWritesEveryClipAndLaterStartsMendOnlyWhatIsMissing)
{
    TempFolder temp;
    FirstRunRecord record{temp.path() + "dabwick.qy", temp.path(), false};
    ScriptedDialogs dialogs;
    PictureDocument doc;
    DrawingEngine engine{doc};
    ClipBrowser browser{engine, builtInResources(), dialogs, temp.path()};
    const auto clip = [&](const std::string& name) { return temp.read("Clips/" + name + ".dwc"); };

    const auto build = [&] {
        InstallClipFiles({builtInResources(), record, temp.path()});
        BuildClipCatalogue(browser, temp.path());
    };
    build();
    std::map<std::uintmax_t, int> sizes;
    for (const auto& entry : fs::recursive_directory_iterator(temp.path() + "Clips"))
        sizes[entry.is_regular_file() ? entry.file_size() : 0] += 1;
    EXPECT_EQ(sizes, (std::map<std::uintmax_t, int>{{0, 10}, {2166, 96}, {5174, 1}, {12342, 7}}));
    const std::span<const std::uint8_t> fence = builtInResources().find("fence14", "clip")->bytes;
    EXPECT_TRUE(clip("Fences/Rail fence 03") == std::string(fence.begin(), fence.end()));
    EXPECT_EQ(browser.categories(), (std::vector<std::string>{kTextCategory, kUserClipsCategory, "Animals", "Blocks",
        "Borders", "Fences", "Food", "Holidays", "House parts", "Lines", "Nature", "Shapes"}));
    EXPECT_EQ(browser.lbclips().size(), 61u) << "\"<Text>\" shows";
    EXPECT_NE(browser.pageSlots()[4].picture, blankClip()) << "the first five lettering clips show";
    EXPECT_FALSE(temp.exists("dabwick.qy")) << "nothing went wrong, so nothing is recorded";

    fs::remove(temp.path() + "Clips/Animals/Fox.dwc");
    temp.write("Clips/Food/Apple.dwc", "changed by a child");
    temp.makeFolder("Clips/ My own ");
    temp.makeFolder("Clips/.hidden");
    fs::permissions(temp.makeFolder("Clips/Locked"), fs::perms::owner_write, fs::perm_options::remove);
    fs::create_directory_symlink(temp.path() + "Clips/Animals", temp.path() + "Clips/Linked");
    build();
    EXPECT_EQ(clip("Animals/Fox").size(), 2166u) << "a deleted clip comes back";
    EXPECT_EQ(clip("Food/Apple"), "changed by a child");
    ASSERT_EQ(browser.categories().size(), 13u) << "hidden, read-only and linked folders are no categories";
    EXPECT_EQ(browser.categories()[10], "My own") << "trimmed, and sorted in";
}
