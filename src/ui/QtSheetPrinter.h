#pragma once

#include <QFont>
#include <QPainter>
#include <array>

#include "dabwick/PicturePrinter.h"

class QPrinter;

// Picture printing on a real printer (or a PDF file): the sheet is painted with a QPainter in
// the printer's device pixels, from the top-left corner of its printable area.
class QtSheetPrinter : public dabwick::SheetPrinter {
public:
    // `fonts` holds the heading, lines and credit fonts, in the order of dabwick::SheetFont.
    QtSheetPrinter(QPrinter& printer, const std::array<QFont, 3>& fonts)
        : printer_(printer)
        , fonts_(fonts)
    {
    }

    void setUpJob(const std::string& title) override;
    int printableWidth() const override;
    int printableHeight() const override;
    bool beginDocument() override;
    void printText(dabwick::SheetFont font, raster::Point at, const std::string& text) override;
    void printPicture(const raster::Bitmap& picture, const raster::Rect& into) override;
    bool endDocument() override;

private:
    QPrinter& printer_;
    std::array<QFont, 3> fonts_;
    QPainter painter_;
};
