#pragma once

#include <functional>

#include "raster/Bitmap.h"
#include "raster/Colour.h"
#include "raster/Geometry.h"

// Whole-picture and region passes over the two layers of a picture: the coloured picture the
// child sees and its line-art layer. Each works on rows directly and returns what it changed.
namespace dabwick {

// Puts every pure-black pixel of the line-art layer inside `area` back onto the picture, so
// colouring never covers a line.
void RestoreLineArt(raster::Bitmap& picture, const raster::Bitmap& lineArt, raster::Rect area);

// Raises every channel that is 0 inside `area` to 1, so that no coloured pixel is pure black
// (which would stop the fill like a line).
void LiftZeroChannels(raster::Bitmap& picture, raster::Rect area);

// Every pixel of exactly the target colour becomes the new colour; false when none did.
bool replaceAll(raster::Bitmap& picture, raster::Colour target, raster::Colour replacement);

// Draws a black line on each boundary between two different colours (white is a colour here),
// on the lower or right pixel of the pair, plus a black frame round the picture; each line goes
// into the line-art layer too when there is one. Works in place top to bottom, so a pixel made
// black takes no further part. `beforeRow` runs before each row. True when any boundary line was
// drawn (the frame does not count).
bool outlineColours(raster::Bitmap& picture, raster::Bitmap* lineArt, const std::function<void(int row)>& beforeRow);

}  // namespace dabwick
