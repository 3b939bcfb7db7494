#include "raster/Brush.h"

#include <array>

namespace raster {

namespace {

using Pattern = std::array<std::uint8_t, 8>;

constexpr std::uint8_t kAll = 0xFF;
constexpr std::uint8_t kHorizontalRow = 7;
constexpr std::uint8_t kVerticalColumnBit = 1u << 4;

// The hatch patterns are built from their lines, so the crosses are exactly the unions of their parts.
constexpr Pattern makePattern(bool horizontal, bool vertical, bool forward, bool backward)
{
    Pattern rows {};
    for (int y = 0; y < 8; ++y) {
        std::uint8_t bits = 0;
        if (horizontal && y == kHorizontalRow)
            bits = kAll;
        if (vertical)
            bits |= kVerticalColumnBit;
        if (forward)
            bits |= std::uint8_t(1u << y);
        if (backward)
            bits |= std::uint8_t(1u << (7 - y));
        rows[std::size_t(y)] = bits;
    }
    return rows;
}

// Indexed by style code; the solid and hollow rows are never read from here.
constexpr std::array<Pattern, 8> kPatterns {
    Pattern {},
    Pattern {},
    makePattern(true, false, false, false),
    makePattern(false, true, false, false),
    makePattern(false, false, true, false),
    makePattern(false, false, false, true),
    makePattern(true, true, false, false),
    makePattern(false, false, true, true),
};

}  // namespace

Brush::Brush(Colour colour, BrushStyle style)
    : colour_(colour)
{
    setStyle(style);
}

void Brush::setColour(Colour colour)
{
    colour_ = colour;
    if (style_ == BrushStyle::Hollow)
        style_ = BrushStyle::Solid;
}

void Brush::setStyle(BrushStyle style)
{
    // A style byte from outside that names no brush paints solid rather than reading past the patterns.
    style_ = std::uint8_t(style) < kPatterns.size() ? style : BrushStyle::Solid;
    if (style == BrushStyle::Hollow)
        colour_ = kWhite;
}

std::uint8_t Brush::rowPattern(int y) const
{
    switch (style_) {
    case BrushStyle::Solid:
        return kAll;
    case BrushStyle::Hollow:
        return 0;
    default:
        return kPatterns[std::size_t(style_)][std::size_t(y & 7)];
    }
}

}  // namespace raster
