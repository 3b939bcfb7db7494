#pragma once

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "raster/Bitmap.h"
#include "raster/Colour.h"

// Tests that look like the picture: small bitmaps written as rows of letters, one a pixel, and
// compared whole.
//
// Letters: '#' black, '.' white, 'r' red, 'g' green (0, 255, 0), 'b' blue, 'y' yellow, 'c' cyan,
// 'm' magenta, 'o' olive (128, 128, 0), 'M' maroon (128, 0, 0). Other colours print as '?'.
namespace testsupport {

raster::Colour colourOfLetter(char letter);
char letterOfColour(raster::Colour colour);

// Rows of equal length, top row first; the vector form serves tables of cases. With a scale,
// each letter is a square block of scale by scale pixels.
raster::Bitmap bitmapFromAscii(const std::vector<std::string_view>& rows, int scale = 1);
raster::Bitmap bitmapFromAscii(std::initializer_list<std::string_view> rows);

// On a difference, lists the first differing pixels in hex.
::testing::AssertionResult sameBitmap(const raster::Bitmap& expected, const raster::Bitmap& actual);

}  // namespace testsupport

#define EXPECT_BITMAP_EQ(expected, actual) EXPECT_TRUE(::testsupport::sameBitmap((expected), (actual)))
