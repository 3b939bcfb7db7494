#pragma once

#include <cstdint>

#include "raster/Colour.h"

namespace raster {

// Brush style codes as the fill pattern byte stores them.
enum class BrushStyle : std::uint8_t {
    Solid = 0,
    Hollow = 1,  // paints nothing
    Horizontal = 2,
    Vertical = 3,
    ForwardDiagonal = 4,  // lines falling from upper left to lower right
    BackwardDiagonal = 5,  // lines rising from lower left to upper right
    Cross = 6,  // horizontal and vertical
    DiagonalCross = 7,  // both diagonals
};

// What paints the inside of figures and the flood fills. A hatch style paints only its lines, in an
// 8 by 8 pattern aligned to the bitmap's top-left corner, and leaves the pixels between them as they were.
class Brush {
public:
    Brush() = default;
    Brush(Colour colour, BrushStyle style);

    Colour colour() const { return colour_; }
    BrushStyle style() const { return style_; }
    bool paints() const { return style_ != BrushStyle::Hollow; }

    // Choosing a colour for a hollow brush makes it solid: the fill tool relies on this after the shapes.
    void setColour(Colour colour);
    // Making a brush hollow forgets its colour (white), so a later solid brush must be given one.
    void setStyle(BrushStyle style);

    // The columns x % 8 that the brush paints on bitmap row y, one bit per column (bit 0 is column 0).
    std::uint8_t rowPattern(int y) const;

private:
    Colour colour_ = kWhite;
    BrushStyle style_ = BrushStyle::Solid;
};

}  // namespace raster
