#include "ui/QtSheetPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "dabwick/PrintLayout.h"
#include "ui/BitmapView.h"

void QtSheetPrinter::setUpJob(const std::string& title)
{
    printer_.setDocName(QString::fromStdString(title));
    printer_.setPageOrientation(QPageLayout::Portrait);
    printer_.setCopyCount(1);
    // Qt's own grid for printers is far finer than any printer's pixels, and the sheet's
    // fixed positions would crowd together on it. A PDF file keeps the resolution it was given.
    if (printer_.outputFormat() == QPrinter::NativeFormat) {
        const QList<int> offered = QPrinterInfo::printerInfo(printer_.printerName()).supportedResolutions();
        printer_.setResolution(dabwick::SheetResolution({offered.begin(), offered.end()}));
    }
}

int QtSheetPrinter::printableWidth() const
{
    return printer_.width();
}

int QtSheetPrinter::printableHeight() const
{
    return printer_.height();
}

bool QtSheetPrinter::beginDocument()
{
    if (!painter_.begin(&printer_))
        return false;
    painter_.setPen(Qt::black);
    return true;
}

void QtSheetPrinter::printText(dabwick::SheetFont font, raster::Point at, const std::string& text)
{
    // The font is measured on the printer, so points become the printer's own pixels.
    painter_.setFont(fonts_[std::size_t(font)]);
    // Positions name the top of the line; Qt draws from the baseline.
    painter_.drawText(at.x, at.y + painter_.fontMetrics().ascent(), QString::fromStdString(text));
}

void QtSheetPrinter::printPicture(const raster::Bitmap& picture, const raster::Rect& into)
{
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.drawImage(QRect(into.left, into.top, into.width(), into.height()), toQImage(picture));
}

bool QtSheetPrinter::endDocument()
{
    const bool ended = painter_.end();
    return ended && printer_.printerState() != QPrinter::Error;
}
