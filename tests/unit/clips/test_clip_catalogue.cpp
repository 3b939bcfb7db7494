#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "clips/ClipTestSupport.h"
#include "dabwick/ClipBrowser.h"
#include "dabwick/ClipCatalogue.h"
#include "dabwick/DataFolderContent.h"
#include "dabwick/DrawingEngine.h"
#include "dabwick/FirstRunRecord.h"
#include "dabwick/PictureDocument.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace dabwick;
namespace fs = std::filesystem;

namespace {

// Clip i of a category: a clip with one black pixel whose place tells i from the others.
raster::Bitmap numbered(int i)
{
    raster::Bitmap clip(64, 64, raster::Colour::rgb(255, 0, 0));
    clip.setPixel(i, 0, raster::kBlack);
    return clip;
}

class ClipCatalogueTest : public ::testing::Test {
protected:
    ClipCatalogueTest()
    {
        const std::pair<const char*, int> prefixes[] = {{"anima", 18}, {"natur", 9}, {"food", 12}, {"shape", 8},
            {"house", 11}, {"holid", 16}, {"block", 3}, {"borde", 7}, {"fence", 14}, {"lines", 6}};
        for (const auto& [prefix, count] : prefixes)
            for (int i = 1; i <= count; ++i)
                resources.add(prefix + std::to_string(i), "clip", numbered(i));
        table = resources.table();
    }

    void build(const std::function<void()>& processMessages = {})
    {
        BuildClipCatalogue({table, record, temp.path()}, browser, processMessages);
    }
    std::string clip(const std::string& relative) const { return temp.read("Clips/" + relative + ".dwc"); }

    TempFolder temp;
    FirstRunRecord record{temp.path() + "dabwick.qy", temp.path(), false};
    cliptest::StandInResources resources;
    ResourceTable table{{}};  // filled once the stand-in clips are made
    ScriptedDialogs dialogs;
    PictureDocument doc;
    DrawingEngine engine{doc};
    ClipBrowser browser{engine, table, dialogs, temp.path()};
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
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(temp.path() + "Clips"))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 104);
    EXPECT_TRUE(clip("Fences/Rail fence 03") == cliptest::bmpFile(numbered(14)));
    EXPECT_TRUE(clip("Holidays/candle") == cliptest::bmpFile(numbered(4)));
    EXPECT_TRUE(clip("House parts/Small window") == cliptest::bmpFile(numbered(11)));
    EXPECT_EQ(browser.categories(), (std::vector<std::string>{kTextCategory, kUserClipsCategory, "Animals", "Blocks",
        "Borders", "Fences", "Food", "Holidays", "House parts", "Lines", "Nature", "Shapes"}));
    EXPECT_EQ(browser.categoryText(), kTextCategory);
    EXPECT_EQ(browser.lbclips().size(), 61u);
    EXPECT_FALSE(temp.exists("dabwick.qy")) << "nothing went wrong, so nothing is recorded";
}

TEST_F(ClipCatalogueTest, LaterStartsMendOnlyWhatIsMissing)
{
    build();
    fs::remove(temp.path() + "Clips/Animals/Fox.dwc");
    temp.write("Clips/Food/Apple.dwc", cliptest::bmpFile(numbered(40)));
    temp.makeFolder("Clips/ My own ");
    temp.makeFolder("Clips/.hidden");
    fs::permissions(temp.makeFolder("Clips/Locked"), fs::perms::owner_write, fs::perm_options::remove);
    fs::create_directory_symlink(temp.path() + "Clips/Animals", temp.path() + "Clips/Linked");
    build();
    EXPECT_TRUE(clip("Animals/Fox") == cliptest::bmpFile(numbered(10)));
    EXPECT_TRUE(clip("Food/Apple") == cliptest::bmpFile(numbered(40)));
    const std::vector<std::string>& categories = browser.categories();
    EXPECT_EQ(categories.size(), 13u) << "hidden, read-only and linked folders are no categories";
    EXPECT_EQ(categories[10], "My own") << "trimmed, and sorted in";

    temp.makeFolder("Clips/Trees");
    browser.cbclipsChange("Trees");
    for (const ClipSlot& slot : browser.pageSlots())
        EXPECT_EQ(slot.caption, kEmptySlot);
}

TEST(ClipResources, BuiltInClipsHaveTheirShapes)
{
    const ResourceTable& resources = builtInResources();
    if (!resources.find("anima1", "clip"))
        GTEST_SKIP() << "the clip art has not landed";
    std::map<std::size_t, int> sizes;
    for (const ClipCategory& category : clipCategories())
        for (std::size_t i = 1; i <= category.clips.size(); ++i) {
            const Resource* clip = resources.find(category.prefix + std::to_string(i), "clip");
            ASSERT_NE(clip, nullptr) << category.prefix << i;
            ++sizes[clip->bytes.size()];
        }
    EXPECT_EQ(sizes, (std::map<std::size_t, int>{{2166, 96}, {5174, 1}, {12342, 7}}));
}

}  // namespace
