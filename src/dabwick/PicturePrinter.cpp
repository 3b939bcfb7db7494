#include "dabwick/PicturePrinter.h"

#include "dabwick/Names.h"
#include "dabwick/PrintLayout.h"

namespace dabwick {

namespace {

constexpr const char* kPrintCaption = "Print picture";
constexpr const char* kPrintQuestion = "The amount of time needed to print this picture depends on\n"
                                       "your printer, uses one sheet of paper and some of your ink.\n"
                                       "Printing may take several minutes.\n\n"
                                       "If you still want to print this picture click <YES>";
constexpr const char* kNoPrinter = "There is no printer installed on this computer, so this picture cannot be printed.";
constexpr const char* kNothingCaption = "Print error";
constexpr const char* kNothingText = "You must have a picture loaded or \ndrawn before you can print one!";
constexpr const char* kPageSizeCaption = "Page Size error";
constexpr const char* kPageSizeText = "The paper in your printer must be at least 8\u00BD X 11 inches\n"
                                      "in order to print a picture with 'Dabwick'. Please\n"
                                      "make sure that the proper size paper is loaded and your\n"
                                      "printer settings are correct.";
constexpr const char* kPrinterFailedCaption = "Printer error";
constexpr const char* kPrinterFailedText = "The printer could not print your picture.\n"
                                           "Please make sure that it is switched on and has paper, then try again.";
constexpr const char* kCreditLine = "Powered by \"Dabwick\" Made with care for young artists everywhere.";

// Runs its step when the scope ends, so what a job changed is put back also when it stops
// half-way.
template <typename Step> class AtScopeEnd {
public:
    explicit AtScopeEnd(Step step)
        : step_(step)
    {
    }
    ~AtScopeEnd() { step_(); }
    AtScopeEnd(const AtScopeEnd&) = delete;
    AtScopeEnd& operator=(const AtScopeEnd&) = delete;

private:
    Step step_;
};

}  // namespace

PrintOutcome PicturePrinter::btnprintClick(
    SheetPrinter* printer, const std::string& childName, const std::string& today)
{
    // Asking about paper and ink makes no sense on a computer that cannot print at all.
    if (printer == nullptr) {
        prompts_.ShowWarning(kPrintCaption, kNoPrinter);
        return PrintOutcome::NoPrinter;
    }
    if (!prompts_.AskYesNo(kPrintCaption, kPrintQuestion))
        return PrintOutcome::Declined;
    if (!document_.loaded && !document_.changed) {
        prompts_.ShowWarning(kNothingCaption, kNothingText);
        return PrintOutcome::NothingToPrint;
    }
    PrintOutcome outcome;
    {
        surroundings_.showBusyCursor();
        const AtScopeEnd cursor([this] { surroundings_.restoreCursor(); });
        outcome = sendSheet(*printer, childName, today);
    }
    // Warnings come once the hourglass has gone and the main window is back.
    if (outcome == PrintOutcome::SheetTooShort)
        prompts_.ShowWarning(kPageSizeCaption, kPageSizeText);
    else if (outcome == PrintOutcome::PrinterFailed)
        prompts_.ShowWarning(kPrinterFailedCaption, kPrinterFailedText);
    return outcome;
}

PrintOutcome PicturePrinter::sendSheet(SheetPrinter& printer, const std::string& childName, const std::string& today)
{
    document_.loaded = true;
    const std::string title = document_.pictureName.empty() ? "Untitled" : document_.pictureName;
    printer.setUpJob(title);
    const int width = printer.printableWidth();
    const int height = printer.printableHeight();
    const PrintLayout layout = LayOutPrintedPage(width, height);
    if (SheetTooShort(layout))
        return PrintOutcome::SheetTooShort;

    surroundings_.showPrintMessage();
    const bool uncoloured = IsUncoloured(document_.picture);
    if (!PictureFitsSheet(layout, width, height))
        return PrintOutcome::DoesNotFit;

    // The main window stays off until the wait window has gone, so Print cannot start a
    // second job inside this one.
    surroundings_.setMainWindowEnabled(false);
    const AtScopeEnd mainWindow([this] {
        surroundings_.waitForPrintMessage();
        surroundings_.setMainWindowEnabled(true);
    });
    surroundings_.processPendingMessages();

    if (!printer.beginDocument())
        return PrintOutcome::PrinterFailed;
    const int left = layout.picture.left;
    printer.printText(SheetFont::Heading, {left, layout.headingTop}, toUpperAscii(title));
    printer.printText(
        SheetFont::Lines, {left, layout.byLineTop}, uncoloured ? "By: _______________" : "By: " + childName);
    printer.printText(
        SheetFont::Lines, {left, layout.dateLineTop}, uncoloured ? "Date: _____________" : "Printed: " + today);
    printer.printText(SheetFont::Credit, {left, layout.creditLineTop}, kCreditLine);
    surroundings_.processPendingMessages();
    printer.printPicture(document_.picture, layout.picture);
    surroundings_.processPendingMessages();
    return printer.endDocument() ? PrintOutcome::Printed : PrintOutcome::PrinterFailed;
}

}  // namespace dabwick
