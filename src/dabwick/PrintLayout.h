#pragma once

#include <vector>

#include "raster/Bitmap.h"
#include "raster/Geometry.h"

namespace dabwick {

// Where everything goes on the printed sheet, in the printer's device pixels, measured from
// the top-left corner of the area the printer can print on.
struct PrintLayout {
    // The picture, stretched into this rectangle (right and bottom exclusive).
    raster::Rect picture;
    // Every line of text starts at the picture's left edge; these are the tops of the lines.
    int headingTop = 50;
    int byLineTop = 255;
    int dateLineTop = 385;
    int creditLineTop = 0;
};

// The resolution the sheet is laid out at, from those the printer offers: 300 dots per inch,
// the common printer's, or the nearest one offered (the lower of two as near). The positions
// below are in pixels of that resolution; the page goes to the printer as drawing commands,
// so a finer printer still prints it sharp. A printer that offers nothing gets 300.
int SheetResolution(const std::vector<int>& offered);

// Lays the sheet out for a printable area of `width` by `height` device pixels: the picture
// grows in steps of 3 by 2 until it nearly touches a side, then sits in the middle.
PrintLayout LayOutPrintedPage(int width, int height);

// A sheet whose picture would start no lower than this is shorter than letter paper at the
// printer's resolution: the heading and the two lines above the picture would not fit.
inline constexpr int kLowestShortSheetTop = 600;
inline bool SheetTooShort(const PrintLayout& layout)
{
    return layout.picture.top <= kLowestShortSheetTop;
}

// False when the picture would end at or before the sheet's top-left corner, or reach past its
// printable area.
bool PictureFitsSheet(const PrintLayout& layout, int width, int height);

// True when the picture holds nothing but pure black and pure white: a colouring page not
// coloured yet, or a drawing with no colour in it. Such a sheet gets blank lines to fill in.
bool IsUncoloured(const raster::Bitmap& picture);

}  // namespace dabwick
