#include <gtest/gtest.h>

#include <algorithm>
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

namespace {

std::string bytesOf(const char* resource)
{
    const Resource* clip = builtInResources().find(resource, "clip");
    return clip ? std::string(clip->bytes.begin(), clip->bytes.end()) : std::string();
}

class ClipCatalogueTest : public ::testing::Test {
protected:
    void build(const std::function<void()>& processMessages = {})
    {
        BuildClipCatalogue({builtInResources(), record, temp.path()}, browser, processMessages);
    }
    std::string clip(const std::string& relative) const { return temp.read("Clips/" + relative + ".dwc"); }

    TempFolder temp;
    FirstRunRecord record{temp.path() + "dabwick.qy", temp.path(), false};
    ScriptedDialogs dialogs;
    PictureDocument doc;
    DrawingEngine engine{doc};
    ClipBrowser browser{engine, builtInResources(), dialogs, temp.path()};
};

TEST_F(ClipCatalogueTest, FirstStartWritesEveryCategoryAndClip)
{
    int passes = 0;
    build([&] {
        if (++passes == 1) {
            EXPECT_TRUE(temp.exists("Clips/Shapes/Arrow.dwc"));
            EXPECT_FALSE(temp.exists("Clips/House parts/Book case 01.dwc")) << "House parts come after the messages";
        }
    });
    EXPECT_EQ(passes, 57);
    std::map<std::uintmax_t, int> sizes;
    for (const auto& entry : fs::recursive_directory_iterator(temp.path() + "Clips")) {
        if (entry.is_regular_file())
            ++sizes[entry.file_size()];
    }
    EXPECT_EQ(sizes, (std::map<std::uintmax_t, int>{{2166, 96}, {5174, 1}, {12342, 7}}));
    EXPECT_EQ(clip("Blocks/Rock wall").size(), 12342u);
    EXPECT_EQ(clip("Holidays/Decoration 02").size(), 5174u);
    EXPECT_TRUE(clip("Fences/Rail fence 03") == bytesOf("fence14"));
    EXPECT_TRUE(clip("Holidays/candle") == bytesOf("holid4"));
    EXPECT_TRUE(clip("House parts/Small window") == bytesOf("house11"));
    EXPECT_EQ(browser.categories(), (std::vector<std::string>{kTextCategory, kUserClipsCategory, "Animals", "Blocks",
        "Borders", "Fences", "Food", "Holidays", "House parts", "Lines", "Nature", "Shapes"}));
    EXPECT_EQ(browser.categoryText(), kTextCategory);
    EXPECT_EQ(browser.lbclips().size(), 61u);
    EXPECT_NE(browser.pageSlots()[4].picture, blankClip()) << "the first five lettering clips show";
    EXPECT_FALSE(temp.exists("dabwick.qy")) << "nothing went wrong, so nothing is recorded";
}

TEST_F(ClipCatalogueTest, LaterStartsMendOnlyWhatIsMissing)
{
    build();
    fs::remove(temp.path() + "Clips/Animals/Fox.dwc");
    temp.write("Clips/Food/Apple.dwc", "changed by a child");
    temp.makeFolder("Clips/ My own ");
    temp.makeFolder("Clips/.hidden");
    fs::permissions(temp.makeFolder("Clips/Locked"), fs::perms::owner_write, fs::perm_options::remove);
    fs::create_directory_symlink(temp.path() + "Clips/Animals", temp.path() + "Clips/Linked");
    build();
    EXPECT_TRUE(clip("Animals/Fox") == bytesOf("anima10"));
    EXPECT_EQ(clip("Food/Apple"), "changed by a child");
    const std::vector<std::string>& categories = browser.categories();
    EXPECT_EQ(categories.size(), 13u) << "hidden, read-only and linked folders are no categories";
    EXPECT_EQ(categories[10], "My own") << "trimmed, and sorted in";

    temp.makeFolder("Clips/Trees");
    browser.cbclipsChange("Trees");
    for (const ClipSlot& slot : browser.pageSlots())
        EXPECT_EQ(slot.caption, kEmptySlot);
}

}  // namespace
