#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "dabwick/PicturePrinter.h"
#include "dabwick/PrintLayout.h"
#include "support/ScriptedDialogs.h"

using namespace dabwick;

namespace {

// Only pure black and pure white leave a page uncoloured; anything near them is a colour.
TEST(PrintLayout, OnlyBlackAndWhiteCountAsUncoloured)
{
    raster::Bitmap page(7, 3);
    page.setPixel(2, 1, raster::kBlack);
    EXPECT_TRUE(IsUncoloured(page));
    for (const std::uint32_t near : {0xFEFFFFu, 0xFFFEFFu, 0x000001u, 0x808080u}) {
        raster::Bitmap coloured = page;
        coloured.setPixel(6, 2, raster::Colour(near));
        EXPECT_FALSE(IsUncoloured(coloured)) << std::hex << near;
    }
}

TEST(PrintLayout, PictureGrowsInThreeByTwoStepsAndSitsInTheMiddle)
{
    const struct {
        int width, height;
        raster::Rect picture;
        bool tooShort;
    } cases[] = {
        {2400, 3150, {1, 775, 2398, 2373}, false},  // letter at 300 dots per inch
        {1200, 1575, {1, 388, 1198, 1186}, true},  // letter at 150
        {2480, 3508, {0, 927, 2478, 2579}, false},  // A4 at 300: the width stops it
        {3000, 600, {1051, 0, 1948, 598}, true},  // a wide strip: the height stops it
    };
    for (const auto& c : cases) {
        const PrintLayout layout = LayOutPrintedPage(c.width, c.height);
        EXPECT_EQ(layout.picture, c.picture) << c.width << " by " << c.height;
        EXPECT_EQ(SheetTooShort(layout), c.tooShort) << c.width << " by " << c.height;
    }
    EXPECT_FALSE(PictureFitsSheet(LayOutPrintedPage(1, 3000), 1, 3000));
    EXPECT_EQ(SheetResolution({150, 300, 600, 1200, 2400}), 300);
    EXPECT_EQ(SheetResolution({1200, 600}), 600);
    EXPECT_EQ(SheetResolution({450, 150}), 150);
}

struct Recorder : SheetPrinter, PrintSurroundings {
    int width = 2400, height = 3150;
    bool begins = true, ends = true;
    std::vector<std::string> sheet;
    std::string window;  // a letter a call: Busy, Restored, Message, Waited, Disabled, Enabled, "." events

    void setUpJob(const std::string& title) override { sheet.push_back("job " + title); }
    int printableWidth() const override { return width; }
    int printableHeight() const override { return height; }
    bool beginDocument() override { return sheet.emplace_back("begin"), begins; }
    void printText(SheetFont, raster::Point, const std::string& text) override { sheet.push_back(text); }
    void printPicture(const raster::Bitmap&, const raster::Rect&) override { sheet.push_back("picture"); }
    bool endDocument() override { return sheet.emplace_back("end"), ends; }
    void showBusyCursor() override { window += 'B'; }
    void restoreCursor() override { window += 'R'; }
    void showPrintMessage() override { window += 'M'; }
    void waitForPrintMessage() override { window += 'W'; }
    void setMainWindowEnabled(bool enabled) override { window += enabled ? 'E' : 'D'; }
    void processPendingMessages() override { window += '.'; }
};

class PrintTest : public ::testing::Test {
protected:
    PrintTest()
    {
        doc.picture.setPixel(5, 5, raster::Colour(0xFEFEFE));  // white but not quite: colour
        doc.MarkChanged();
    }
    PrintOutcome print(bool answer = true, bool printerThere = true)
    {
        dialogs.yesNoAnswers = {answer};
        return PicturePrinter(doc, dialogs, recorder)
            .btnprintClick(printerThere ? &recorder : nullptr, "Ann", "Saturday, December 05, 2026");
    }

    PictureDocument doc;
    ScriptedDialogs dialogs;
    Recorder recorder;
};

// What a printed sheet holds, and where, is read off real sheets by the print e2e test.
// Each way of stopping shows one box last, once the cursor and the main window are back.
TEST_F(PrintTest, StoppingPrintsNothingOrWarns)
{
    const struct {
        const char* what;
        bool answer, changed, printerThere, begins;
        int height;
        PrintOutcome outcome;
        const char* lastShown;
        const char* window;
    } cases[] = {
        {"No", false, true, true, true, 3150, PrintOutcome::Declined, "ask: Print picture", ""},
        {"nothing drawn", true, false, true, true, 3150, PrintOutcome::NothingToPrint, "warning: Print error", ""},
        {"no printer", true, true, false, true, 3150, PrintOutcome::NoPrinter, "warning: Print picture", ""},
        {"150 dots per inch", true, true, true, true, 1575, PrintOutcome::SheetTooShort, "warning: Page Size error",
            "BR"},
        {"refused at the start", true, true, true, false, 3150, PrintOutcome::PrinterFailed, "warning: Printer error",
            "BMD.WER"},
        {"failed at the end", true, true, true, true, 3150, PrintOutcome::PrinterFailed, "warning: Printer error",
            "BMD...WER"},
    };
    for (const auto& c : cases) {
        doc.changed = c.changed;
        recorder = Recorder();
        recorder.height = c.height;
        recorder.width = c.height * 2400 / 3150;
        recorder.begins = c.begins;
        recorder.ends = false;
        EXPECT_EQ(print(c.answer, c.printerThere), c.outcome) << c.what;
        EXPECT_EQ(dialogs.shown.back().rfind(c.lastShown, 0), 0u) << c.what << ": " << dialogs.shown.back();
        EXPECT_EQ(recorder.window, c.window) << c.what;
        EXPECT_EQ(recorder.sheet.empty(), *c.window == '\0') << c.what << ": nothing reaches the printer";
    }
}

}  // namespace
