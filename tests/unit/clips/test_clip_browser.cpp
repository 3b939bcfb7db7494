#include <gtest/gtest.h>

#include "clips/ClipTestSupport.h"
#include "dabwick/ClipBrowser.h"
#include "dabwick/DrawingEngine.h"
#include "dabwick/PictureDocument.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace dabwick;
using cliptest::bigClip;

namespace {

const raster::Bitmap kFox = bigClip({"rrrr", "r#.r", "r..r", "rrrr"});

class ClipBrowserTest : public ::testing::Test {
protected:
    ClipBrowserTest()
    {
        for (int i = 1; i <= kLetteringClips; ++i)  // text61 alone has a black block at the bottom
            resources.add(i < 10 ? "text0" + std::to_string(i) : "text" + std::to_string(i), "clip",
                          bigClip({"rrrr", "r#.r", "r.#r", i == 61 ? "rr#r" : "rrrr"}));
        table = resources.table();
        browser.setUserFolder(temp.path() + "Ann's folder/Dabwick/");
    }

    // A category folder holding clips named "c01.dwc" and on.
    void makeCategory(const std::string& name, int clips, const raster::Bitmap& clip = kFox)
    {
        temp.makeFolder("Clips/" + name);
        for (int i = 1; i <= clips; ++i)
            temp.write("Clips/" + name + "/c" + (i < 10 ? "0" : "") + std::to_string(i) + ".dwc", cliptest::bmpFile(clip));
    }

    std::string captions() const
    {
        std::string shown;
        for (const ClipSlot& slot : browser.pageSlots())
            shown += slot.holdsClip() ? "C" : "E";
        return shown;
    }

    TempFolder temp;
    cliptest::StandInResources resources;
    ResourceTable table{{}};  // filled once the stand-in clips are made
    ScriptedDialogs dialogs;
    PictureDocument doc;
    DrawingEngine engine{doc};
    ClipBrowser browser{engine, table, dialogs, temp.path()};
};

TEST_F(ClipBrowserTest, PagesFiveAtATime)
{
    struct Case {
        int entries;
        std::vector<std::string> pages;  // captions after each next press; the first is page 1
    };
    const Case cases[] = {
        {5, {"CCCCC"}},
        {6, {"CCCCC", "CEEEE"}},
        {61, {"CCCCC", "CCCCC", "CCCCC", "CCCCC", "CCCCC", "CCCCC", "CCCCC", "CCCCC", "CCCCC", "CCCCC", "CCCCC", "CCCCC",
              "CEEEE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries);
        if (c.entries == kLetteringClips) {
            browser.cbclipsChange(kTextCategory);
        } else {
            makeCategory("Cat" + std::to_string(c.entries), c.entries);
            browser.cbclipsChange("cat" + std::to_string(c.entries));  // typed, in another case
        }
        for (std::size_t page = 0; page < c.pages.size(); ++page) {
            EXPECT_EQ(captions(), c.pages[page]) << "page " << page + 1;
            EXPECT_EQ(browser.backEnabled(), page > 0);
            EXPECT_EQ(browser.nextEnabled(), page + 1 < c.pages.size());
            browser.BitBtn2Click();
        }
        EXPECT_EQ(browser.firstclip(), int(c.pages.size() - 1) * 5) << "next at the last page stays";
        for (std::size_t page = c.pages.size() - 1; page > 0; --page)
            browser.BitBtn3Click();
        EXPECT_EQ(captions(), "CCCCC");
        EXPECT_FALSE(browser.backEnabled());
        EXPECT_EQ(browser.nextEnabled(), c.pages.size() > 1);
    }
    EXPECT_EQ(browser.pageSlots()[0].hint, "") << "lettering clips have no hint";
}

TEST_F(ClipBrowserTest, LastLetteringPageShowsText61)
{
    browser.cbclipsChange(kTextCategory);
    for (int page = 1; page < 13; ++page)
        browser.BitBtn2Click();
    EXPECT_EQ(browser.pageSlots()[0].picture.pixel(40, 56), raster::kBlack) << "text61's own mark";
    EXPECT_EQ(browser.slotCursor(1), CursorSlot::kHand);
    EXPECT_EQ(browser.slotCursor(2), CursorSlot::kDelete);
}

TEST_F(ClipBrowserTest, FolderFailuresShowEmptySlots)
{
    makeCategory("Odd", 0);
    temp.write("Clips/Odd/a small.dwc", cliptest::bmpFile(raster::Bitmap(32, 32)));
    temp.write("Clips/Odd/b good.dwc", cliptest::bmpFile(kFox));
    temp.write("Clips/Odd/c note.txt", "not a clip");
    browser.cbclipsChange("Odd");
    EXPECT_EQ(captions(), "ECEEE");
    EXPECT_EQ(browser.pageSlots()[1].hint, "b good");
    browser.clipClick(1);
    EXPECT_FALSE(engine.clipselected()) << "a 32 by 32 clip cannot be selected";

    for (const char* category : {"Nowhere", kUserClipsCategory, "..", "Odd/../Odd", ""}) {
        browser.cbclipsChange(category);
        EXPECT_EQ(captions(), "EEEEE") << category;
        EXPECT_FALSE(browser.nextEnabled() || browser.backEnabled()) << category;
    }
    EXPECT_TRUE(dialogs.shown.empty()) << "nothing is reported";
}

TEST_F(ClipBrowserTest, NoBitmapIsReportedAndEndsThePage)
{
    makeCategory("Mixed", 6);
    browser.cbclipsChange("Mixed");
    browser.clipClick(2);
    temp.write("Clips/Mixed/c03.dwc", "BM but no bitmap");
    browser.BitBtn2Click();
    browser.BitBtn3Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].find("\"c03.dwc\""), std::string::npos) << dialogs.shown[0];
    EXPECT_EQ(captions(), "CCEEE") << "slots 3 to 5 keep their captions from the page before";
    EXPECT_EQ(browser.pageSlots()[3].picture, blankClip());
    EXPECT_TRUE(engine.clipselected()) << "paging keeps the selection";
}

TEST_F(ClipBrowserTest, SelectingComposesOverTheBlankClip)
{
    struct Case {
        const char* what;
        std::vector<std::string_view> clip;
        std::vector<std::string_view> preview;
    };
    const Case cases[] = {
        {"red background", {"rrrr", "r#.r", "r.#r", "rrrr"}, {"MMMM", "M#.M", "M.#M", "MMMM"}},
        {"olive background", {"oooo", "o#.o", "o.go", "oooo"}, {"MMMM", "M#.M", "M.gM", "MMMM"}},
        {"black bottom-left", {"rrrr", "r#.r", "r.#r", "#rr#"}, {"rrrr", "rM.r", "r.Mr", "MrrM"}},
    };
    for (const Case& c : cases) {
        makeCategory(c.what, 1, bigClip(c.clip));
        browser.cbclipsChange(c.what);
        EXPECT_EQ(browser.selectedCaption(), "None");
        browser.clipClick(1);
        EXPECT_EQ(browser.selectedCaption(), "");
        EXPECT_BITMAP_EQ(bigClip(c.preview), browser.preview()) << c.what;
    }
    browser.clipClick(3);
    EXPECT_TRUE(engine.clipselected()) << "clicking an empty slot keeps the selection";
    EXPECT_BITMAP_EQ(bigClip(cases[2].preview), engine.Mainclip());
}

TEST_F(ClipBrowserTest, TurnsGiveTheClipBack)
{
    makeCategory("Turns", 1, bigClip({"rrrr", "r#.r", "r..r", "rr#r"}));
    browser.cbclipsChange("Turns");
    browser.btnrotateClick();
    EXPECT_EQ(browser.preview(), blankClip()) << "nothing selected, nothing turns";
    browser.clipClick(1);
    const raster::Bitmap selected = browser.preview();
    browser.btnrotateClick();
    EXPECT_BITMAP_EQ(bigClip({"MMMM", "M.#M", "#..M", "MMMM"}), browser.preview()) << "a quarter turn clockwise";
    for (int turn = 1; turn < 4; ++turn)
        browser.btnrotateClick();
    EXPECT_BITMAP_EQ(selected, browser.preview()) << "four quarter turns";
    for (auto flip : {&ClipBrowser::btnflipudClick, &ClipBrowser::btnfliplrClick}) {
        (browser.*flip)();
        (browser.*flip)();
        EXPECT_BITMAP_EQ(selected, browser.preview()) << "two flips";
    }
    browser.btnflipudClick();
    EXPECT_BITMAP_EQ(bigClip({"MM#M", "M..M", "M#.M", "MMMM"}), engine.Mainclip()) << "the floating clip turns too";
}

TEST_F(ClipBrowserTest, BlackCornerFlippedToTheBottomLeftDropsTheBlack)
{
    makeCategory("Corner", 1, bigClip({"#rrr", "r#.r", "r..r", "rrrr"}));
    browser.cbclipsChange("Corner");
    browser.clipClick(1);
    browser.btnflipudClick();
    EXPECT_BITMAP_EQ(bigClip({"MMMM", "M..M", "MM.M", "MMMM"}), browser.preview());
}

}  // namespace
