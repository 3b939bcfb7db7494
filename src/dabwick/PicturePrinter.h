#pragma once

#include <string>

#include "dabwick/PictureDocument.h"
#include "dabwick/Prompts.h"
#include "raster/Geometry.h"

namespace dabwick {

// The three text styles of the printed sheet: the main window's hidden labels `lbltitle`,
// `lblname` and `lblquillory` lend their fonts.
enum class SheetFont { Heading, Lines, Credit };

// A printer as picture printing sees it. The window drives the default printer through it;
// tests use a stand-in that records the sheet.
class SheetPrinter {
public:
    virtual ~SheetPrinter() = default;

    // Names the job, turns the sheet portrait and asks for one copy. Called before the sheet
    // is measured, so the printable size below is that of a portrait sheet.
    virtual void setUpJob(const std::string& title) = 0;
    // The printable area in device pixels.
    virtual int printableWidth() const = 0;
    virtual int printableHeight() const = 0;
    // Starts the sheet; false when the printer refuses the job.
    virtual bool beginDocument() = 0;
    // One line of text whose top-left corner lies at `at`.
    virtual void printText(SheetFont font, raster::Point at, const std::string& text) = 0;
    // The picture stretched to fill `into`.
    virtual void printPicture(const raster::Bitmap& picture, const raster::Rect& into) = 0;
    // Sends the sheet; false when the printer reports that it could not.
    virtual bool endDocument() = 0;
};

// What the main window shows around a print job.
class PrintSurroundings {
public:
    virtual ~PrintSurroundings() = default;

    virtual void showBusyCursor() = 0;
    virtual void restoreCursor() = 0;
    // Shows the "please wait" window, which closes itself after its fixed time.
    virtual void showPrintMessage() = 0;
    // Returns once the "please wait" window has closed itself.
    virtual void waitForPrintMessage() = 0;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    // Lets waiting window events run, so the wait window's bar moves during the job.
    virtual void processPendingMessages() = 0;
};

enum class PrintOutcome { NoPrinter, Declined, NothingToPrint, SheetTooShort, DoesNotFit, PrinterFailed, Printed };

// The Print button: asks first, then prints the picture on one portrait sheet with its name
// as heading, the child's name and the date (or blank lines to fill in by hand for a picture
// without colour) and the credit line. Whatever happens, the cursor and the main window are
// back to normal when it returns.
class PicturePrinter {
public:
    PicturePrinter(PictureDocument& document, Prompts& prompts, PrintSurroundings& surroundings)
        : document_(document)
        , prompts_(prompts)
        , surroundings_(surroundings)
    {
    }

    // `printer` is null when the computer has no printer. `today` is the date as the sheet
    // shows it, in the child's own language.
    PrintOutcome btnprintClick(SheetPrinter* printer, const std::string& childName, const std::string& today);

private:
    PrintOutcome sendSheet(SheetPrinter& printer, const std::string& childName, const std::string& today);

    PictureDocument& document_;
    Prompts& prompts_;
    PrintSurroundings& surroundings_;
};

}  // namespace dabwick
