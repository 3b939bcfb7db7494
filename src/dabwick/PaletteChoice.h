#pragma once

#include <optional>

#include "raster/Bitmap.h"
#include "raster/Colour.h"
#include "raster/Geometry.h"

namespace dabwick {

class DrawingEngine;

// How a colour becomes the current colour: hovering the palette strip previews the colour under
// the mouse, a click on the strip takes the last colour previewed, and the custom colour dialog
// gives any colour but pure black, which is kept for lines.

// The white square of the strip is previewed from this zone, 13 by 13, which starts four rows
// above the square itself: the square's lowest four rows preview nothing, as they always have.
inline constexpr raster::Rect kWhiteZone {79, 443, 92, 456};

// What a mouse move over the strip shows.
struct StripHover {
    bool overStrip = false;  // the pick cursor and the preview are shown
    std::optional<raster::Colour> colour;  // the preview's new colour; none keeps the last one

    friend bool operator==(const StripHover&, const StripHover&) = default;
};

// The hover rule at strip pixel `at`: outside the strip nothing is shown; the white zone previews
// white; any other pixel previews its colour unless it is white or black (gaps, rules and frame),
// which keep the last colour shown.
StripHover hoverOnStrip(const raster::Bitmap& strip, raster::Point at);

// `impalmainMouseMove`: applies the hover rule to the engine's preview and strip cursor.
void impalmainMouseMove(DrawingEngine& engine, const raster::Bitmap& strip, raster::Point at);

// `impalmainMouseDown`, for any button: the colour current before the click is normalised, then
// the last colour previewed (by the strip or the colour picker) becomes current unless it is
// black, and an armed picker or replacer gives way to the tool it came from. A strip colour is
// taken as it is: only colours from the custom colour dialog lose their zero channels.
void impalmainMouseDown(DrawingEngine& engine);

// The end of `btncustomClick`: the dialog's colour becomes current, with every zero channel
// raised to 1. A cancelled dialog passes the colour it started from, the current one.
void takeCustomColour(DrawingEngine& engine, raster::Colour chosen);

}  // namespace dabwick
