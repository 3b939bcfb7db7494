#include <gtest/gtest.h>
#include <tuple>

#include "dabwick/ClipBrowser.h"
#include "dabwick/ClipPicture.h"
#include "dabwick/DrawingEngine.h"
#include "dabwick/PictureDocument.h"
#include "dabwick/Resources.h"
#include "raster/BmpCodec.h"
#include "support/AsciiBitmap.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace dabwick;

namespace {

raster::Bitmap bigClip(const std::vector<std::string_view>& rows)
{
    return testsupport::bitmapFromAscii(rows, 16);
}

const raster::Bitmap kClip = bigClip({"rrrr", "r#.r", "r..r", "rr#r"});

class ClipBrowserTest : public ::testing::Test {
protected:
    ClipBrowserTest() { browser.setUserFolder(temp.path() + "Ann's folder/Dabwick/"); }

    void makeCategory(const std::string& name, int count, const raster::Bitmap& clip = kClip)
    {
        for (int i = 1; i <= count; ++i)
            temp.writeBitmap("Clips/" + name + "/c" + (i < 10 ? "0" : "") + std::to_string(i) + ".dwc", clip);
        browser.cbclipsChange(name);
    }
    std::string captions() const
    {
        std::string shown;
        for (const ClipSlot& slot : browser.pageSlots())
            shown += slot.holdsClip() ? "C" : "E";
        return shown;
    }

    TempFolder temp;
    ScriptedDialogs dialogs;
    PictureDocument doc;
    DrawingEngine engine {doc};
    ClipBrowser browser {engine, builtInResources(), dialogs, temp.path()};
};

TEST_F(ClipBrowserTest, PagesFiveAtATime)
{
    for (const int entries : {5, 6, kLetteringClips}) {
        if (entries == kLetteringClips)
            browser.cbclipsChange(kTextCategory);
        else
            makeCategory("Cat" + std::to_string(entries), entries);
        const int pages = (entries + 4) / 5;
        for (int page = 1; page <= pages; ++page) {
            EXPECT_EQ(captions(), page < pages || entries == 5 ? "CCCCC" : "CEEEE") << entries << " page " << page;
            EXPECT_EQ(browser.backEnabled(), page > 1);
            EXPECT_EQ(browser.nextEnabled(), page < pages);
            if (page == 1) {
                EXPECT_EQ(browser.slotCursor(5), CursorSlot::kHand) << "the fifth slot holds a clip too";
            }
            browser.BitBtn2Click();
        }
        for (int page = pages; page > 1; --page)
            browser.BitBtn3Click();
        EXPECT_EQ(captions() + (browser.backEnabled() ? "+" : ""), "CCCCC") << "back at the first five";
    }
    for (int page = 1; page < 13; ++page)
        browser.BitBtn2Click();
    EXPECT_EQ(browser.pageSlots()[0].picture, *raster::readBmp(builtInResources().find("text61", "clip")->bytes).value);
    EXPECT_EQ(
        std::pair(browser.slotCursor(1), browser.slotCursor(2)), std::pair(CursorSlot::kHand, CursorSlot::kDelete));
}

TEST_F(ClipBrowserTest, FolderFailuresShowEmptySlotsOrAreReported)
{
    temp.writeBitmap("Clips/Odd/a small.dwc", raster::Bitmap(32, 32));
    temp.writeBitmap("Clips/Odd/b good.dwc", kClip);
    temp.write("Clips/Odd/c note.txt", "not a clip");
    browser.cbclipsChange("odd");  // typed, in another case
    EXPECT_EQ(captions(), "ECEEE");
    EXPECT_EQ(browser.pageSlots()[1].hint, "b good");
    browser.clipClick(1);
    EXPECT_FALSE(engine.clipselected()) << "a 32 by 32 clip cannot be selected";
    for (const char* category : {"Nowhere", kUserClipsCategory, "..", "Odd/../Odd", ""}) {
        browser.cbclipsChange(category);
        EXPECT_EQ(captions() + (browser.nextEnabled() || browser.backEnabled() ? "+" : ""), "EEEEE") << category;
    }

    makeCategory("Mixed", 6);
    browser.clipClick(2);
    temp.write("Clips/Mixed/c03.dwc", "BM but no bitmap");
    browser.BitBtn2Click();
    browser.BitBtn3Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].find("\"c03.dwc\""), std::string::npos) << dialogs.shown[0];
    EXPECT_EQ(captions(), "CCEEE") << "the page ends there; slots 3 to 5 keep their captions from page 2";
    EXPECT_TRUE(engine.clipselected()) << "paging keeps the selection";
}

TEST_F(ClipBrowserTest, SelectingAndTurningWorkOnTheComposedClip)
{
    const std::pair<std::vector<std::string_view>, std::vector<std::string_view>> cases[] = {
        {{"oooo", "o#.o", "o.go", "oooo"}, {"MMMM", "M#.M", "M.gM", "MMMM"}},
        {{"rrrr", "r#.r", "r.#r", "#rr#"}, {"rrrr", "rM.r", "r.Mr", "MrrM"}},  // a black corner: black drops out
        {{"#rrr", "r#.r", "r..r", "rrrr"}, {"#MMM", "M#.M", "M..M", "MMMM"}},
    };
    for (const auto& [clip, preview] : cases) {
        makeCategory(std::string(clip[0]), 1, bigClip(clip));
        EXPECT_EQ(browser.selectedCaption(), "None");
        browser.clipClick(1);
        EXPECT_BITMAP_EQ(bigClip(preview), browser.preview());
    }
    browser.clipClick(3);
    browser.btnflipudClick();
    EXPECT_BITMAP_EQ(bigClip({"MMMM", "M..M", "MM.M", "MMMM"}), engine.Mainclip())
        << "its black corner to the bottom left";

    makeCategory("Turns", 1);
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
}

}  // namespace

TEST(ClipPicture, OnlyASixtyFourBySixtyFourPictureIsAClip)
{
    for (const auto& [width, height, valid] : {std::tuple {64, 64, true}, {64, 32, false}, {32, 64, false}})
        EXPECT_EQ(ClipIsValid(raster::Bitmap(width, height, raster::kWhite)), valid) << width << "x" << height;
}
