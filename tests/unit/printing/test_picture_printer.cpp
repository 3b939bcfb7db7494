#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dabwick/PicturePrinter.h"
#include "dabwick/PrintLayout.h"
#include "support/ScriptedDialogs.h"

using namespace dabwick;

namespace {

struct SheetCase {
    int width, height;
    raster::Rect picture;
    bool tooShort;
};

TEST(PrintLayout, PictureGrowsInThreeByTwoStepsAndSitsInTheMiddle)
{
    const SheetCase cases[] = {
        {2400, 3150, {1, 775, 2398, 2373}, false},   // letter at 300 dots per inch
        {1200, 1575, {1, 388, 1198, 1186}, true},    // letter at 150
        {2480, 3508, {0, 927, 2478, 2579}, false},   // A4 at 300: the width stops it
        {4960, 7016, {1, 1855, 4957, 5159}, false},  // A4 at 600
        {3000, 600, {1051, 0, 1948, 598}, true},     // a wide strip: the height stops it
    };
    for (const SheetCase& c : cases) {
        const PrintLayout layout = LayOutPrintedPage(c.width, c.height);
        EXPECT_EQ(layout.picture, c.picture) << c.width << " by " << c.height;
        EXPECT_EQ(SheetTooShort(layout), c.tooShort) << c.width << " by " << c.height;
        EXPECT_TRUE(PictureFitsSheet(layout, c.width, c.height));
        EXPECT_EQ(layout.creditLineTop, c.height - 101);
    }
    EXPECT_FALSE(PictureFitsSheet(LayOutPrintedPage(1, 3000), 1, 3000));
}

// Records the sheet as lines of text, one per call.
struct RecordingPrinter : SheetPrinter {
    int width = 2400, height = 3150;
    bool begins = true, ends = true;
    std::vector<std::string> calls;

    void setUpJob(const std::string& title) override { calls.push_back("job " + title); }
    int printableWidth() const override { return width; }
    int printableHeight() const override { return height; }
    bool beginDocument() override
    {
        calls.push_back("begin");
        return begins;
    }
    void printText(SheetFont font, raster::Point at, const std::string& text) override
    {
        calls.push_back("text " + std::to_string(int(font)) + " " + std::to_string(at.x) + "," + std::to_string(at.y)
                        + " " + text);
    }
    void printPicture(const raster::Bitmap&, const raster::Rect& r) override
    {
        calls.push_back("picture " + std::to_string(r.left) + "," + std::to_string(r.top) + " "
                        + std::to_string(r.right) + "," + std::to_string(r.bottom));
    }
    bool endDocument() override
    {
        calls.push_back("end");
        return ends;
    }
};

struct RecordingSurroundings : PrintSurroundings {
    std::string events;  // one letter per call
    void showBusyCursor() override { events += 'B'; }
    void restoreCursor() override { events += 'R'; }
    void showPrintMessage() override { events += 'M'; }
    void waitForPrintMessage() override { events += 'W'; }
    void setMainWindowEnabled(bool enabled) override { events += enabled ? 'E' : 'D'; }
    void processPendingMessages() override { events += '.'; }
};

class PrintTest : public ::testing::Test {
protected:
    PrintTest()
    {
        doc.picture.setPixel(5, 5, raster::Colour(0x0000FF));
        doc.MarkChanged();
        dialogs.yesNoAnswers = {true};
    }
    PrintOutcome print() { return PicturePrinter(doc, dialogs, around).btnprintClick(&printer, "Ann", "Saturday, December 05, 2026"); }

    PictureDocument doc;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    RecordingSurroundings around;
};

TEST_F(PrintTest, ColouredUnnamedPictureNamesTheChildAndTheDate)
{
    EXPECT_EQ(print(), PrintOutcome::Printed);
    EXPECT_EQ(printer.calls, (std::vector<std::string>{
                                 "job Untitled", "begin", "text 0 1,50 UNTITLED", "text 1 1,255 By: Ann",
                                 "text 1 1,385 Printed: Saturday, December 05, 2026",
                                 "text 2 1,3049 Powered by \"Dabwick\" Made with care for young artists everywhere.",
                                 "picture 1,775 2398,2373", "end"}));
    EXPECT_EQ(around.events, "BMD...WER");
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"ask: Print picture"});
    EXPECT_TRUE(doc.loaded);
}

TEST_F(PrintTest, UncolouredPageGetsBlankLinesAndItsNameAsHeading)
{
    doc.picture.setPixel(5, 5, raster::kBlack);
    doc.pictureName = "Butterfly";
    EXPECT_EQ(print(), PrintOutcome::Printed);
    EXPECT_EQ(printer.calls[0], "job Butterfly");
    EXPECT_EQ(printer.calls[2], "text 0 1,50 BUTTERFLY");
    EXPECT_EQ(printer.calls[3], "text 1 1,255 By: _______________");
    EXPECT_EQ(printer.calls[4], "text 1 1,385 Date: _____________");
}

TEST_F(PrintTest, RefusalsPrintNothingAndLeaveTheWindowAsItWas)
{
    struct Case {
        const char* what;
        bool answer, changed, printerThere;
        int height;
        PrintOutcome outcome;
        std::vector<std::string> shown;
        std::string events;
    };
    const Case cases[] = {
        {"No", false, true, true, 3150, PrintOutcome::Declined, {"ask: Print picture"}, ""},
        {"nothing drawn", true, false, true, 3150, PrintOutcome::NothingToPrint,
         {"ask: Print picture", "warning: Print error: You must have a picture loaded or \ndrawn before you can print one!"}, ""},
        {"no printer", true, true, false, 3150, PrintOutcome::NoPrinter,
         {"warning: Print picture: There is no printer installed on this computer, so this picture cannot be printed."}, ""},
        {"150 dots per inch", true, true, true, 1575, PrintOutcome::SheetTooShort,
         {"ask: Print picture", "warning: Page Size error: The paper in your printer must be at least 8\u00BD X 11 inches\n"
                                "in order to print a picture with 'Dabwick'. Please\nmake sure that the proper size paper "
                                "is loaded and your\nprinter settings are correct."}, "BR"},
    };
    for (const Case& c : cases) {
        PictureDocument fresh;
        fresh.changed = c.changed;
        ScriptedDialogs asked;
        asked.yesNoAnswers = {c.answer};
        RecordingPrinter sheet;
        sheet.width = c.height * 2400 / 3150;
        sheet.height = c.height;
        RecordingSurroundings seen;
        const PrintOutcome outcome = PicturePrinter(fresh, asked, seen).btnprintClick(c.printerThere ? &sheet : nullptr, "Ann", "");
        EXPECT_EQ(outcome, c.outcome) << c.what;
        EXPECT_EQ(asked.shown, c.shown) << c.what;
        EXPECT_EQ(seen.events, c.events) << c.what;
        EXPECT_EQ(sheet.calls.size(), c.height == 1575 ? 1u : 0u) << c.what << ": only the job is set up";
    }
}

TEST_F(PrintTest, PrinterFailureWarnsOnceTheWindowIsBack)
{
    for (const bool failAtStart : {true, false}) {
        RecordingPrinter failing;
        failing.begins = !failAtStart;
        failing.ends = false;
        RecordingSurroundings seen;
        ScriptedDialogs asked;
        asked.yesNoAnswers = {true};
        const PrintOutcome outcome = PicturePrinter(doc, asked, seen).btnprintClick(&failing, "Ann", "");
        EXPECT_EQ(outcome, PrintOutcome::PrinterFailed);
        EXPECT_EQ(seen.events, failAtStart ? "BMD.WER" : "BMD...WER");
        ASSERT_EQ(asked.shown.size(), 2u);
        EXPECT_EQ(asked.shown[1].substr(0, 24), "warning: Printer error: ");
    }
}

TEST(PrintLayout, SheetIsLaidOutAt300DotsPerInchOrTheNearestOffered)
{
    EXPECT_EQ(SheetResolution({150, 300, 600, 1200, 2400}), 300);
    EXPECT_EQ(SheetResolution({}), 300);
    EXPECT_EQ(SheetResolution({1200, 600}), 600);
    EXPECT_EQ(SheetResolution({150}), 150);
    EXPECT_EQ(SheetResolution({450, 150}), 150);
}

TEST(PrintLayout, OnlyPureBlackAndWhiteCountAsUncoloured)
{
    raster::Bitmap picture(3, 2);
    picture.setPixel(1, 1, raster::kBlack);
    EXPECT_TRUE(IsUncoloured(picture));
    for (const std::uint32_t colour : {0x010101u, 0xFEFEFEu, 0x0000FFu, 0xFFFF00u}) {
        raster::Bitmap coloured = picture;
        coloured.setPixel(2, 0, raster::Colour(colour));
        EXPECT_FALSE(IsUncoloured(coloured)) << std::hex << colour;
    }
}

}  // namespace
