#pragma once

#include <algorithm>

#include "raster/Colour.h"

namespace raster {

// How a pen's colour meets the pixels it covers, channel by channel.
enum class PenMode {
    Copy,  // the pen colour replaces the pixel
    NotXor,  // ~(pen ^ pixel): a black pen inverts, and the same figure drawn again restores
    Mask,  // pen & pixel: the marker, whose colours mix and darken
};

// A solid pen with round ends; the width is the diameter of its tip in pixels.
class Pen {
public:
    static constexpr int kMinWidth = 1;
    static constexpr int kMaxWidth = 100;

    Pen() = default;
    Pen(Colour colour, int width, PenMode mode = PenMode::Copy)
        : colour_(colour)
        , mode_(mode)
    {
        setWidth(width);
    }

    Colour colour() const { return colour_; }
    int width() const { return width_; }
    PenMode mode() const { return mode_; }

    void setColour(Colour colour) { colour_ = colour; }
    // Sizes come from the tool bar; anything outside the range the figures are built for is clamped.
    void setWidth(int width) { width_ = std::clamp(width, kMinWidth, kMaxWidth); }
    void setMode(PenMode mode) { mode_ = mode; }

private:
    Colour colour_ = kBlack;
    int width_ = 1;
    PenMode mode_ = PenMode::Copy;
};

}  // namespace raster
