#pragma once

#include "raster/Bitmap.h"
#include "raster/Colour.h"

// A clip is a 64 by 64 stamp: black is line, white is white ground and every other colour is
// background that is never stamped. The clip the child selects is composed over the blank clip,
// so whatever colour its bottom-left pixel has turns maroon and drops out.
namespace dabwick {

inline constexpr int kClipSize = 64;
// The blank clip's colour, which the composed clip gives to its background.
inline constexpr raster::Colour kBlankClipColour = raster::Colour::rgb(128, 0, 0);

// Every pixel maroon: what an empty slot, the preview and the floating clip show.
raster::Bitmap blankClip();

// Only a clip of exactly 64 by 64 pixels may be shown and stamped.
bool ClipIsValid(const raster::Bitmap& clipload);

// The blank clip with the picture drawn over it with transparency (its bottom-left colour).
raster::Bitmap composeClip(const raster::Bitmap& picture);

enum class ClipTurn { FlipTopToBottom, FlipLeftToRight, Rotate };

// One of the three transformations of a composed clip, composed again: the corner that lands at
// the bottom left decides what drops out, so a black corner moved there takes the black with it.
// Rotate is a quarter turn clockwise; four give the clip back, as do two flips.
raster::Bitmap turnClip(const raster::Bitmap& composed, ClipTurn turn);

}  // namespace dabwick
