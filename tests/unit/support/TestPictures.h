#pragma once

#include <cstdint>

#include "raster/Bitmap.h"
#include "raster/Colour.h"

// Larger pictures that raster tests and benchmarks share. Header-only, so that the benchmarks can
// use them without the unit test support library.
namespace testsupport {

// Every pixel different from its neighbours in every channel, the same on every run: a background on
// which a pixel painted twice, or not at all, cannot hide.
inline raster::Bitmap noisyPicture(int width, int height)
{
    raster::Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y,
                raster::Colour::rgb(
                    std::uint8_t(x * 7 + y * 13), std::uint8_t(x * 3 + y * 5 + 40), std::uint8_t(x * 11 + y * 2 + 90)));
        }
    }
    return picture;
}

// One white corridor, a pixel wide, spiralling from (1, 1) into the middle between black walls a
// pixel thick: the deepest shape a fill can meet. Returns the picture; the corridor is all its white.
inline raster::Bitmap spiralMaze(int width, int height)
{
    raster::Bitmap maze(width, height, raster::kBlack);
    int left = 1, top = 1, right = width - 2, bottom = height - 2;
    int x = 1, y = 1;
    const auto carveTo = [&](int toX, int toY) {
        while (x != toX || y != toY) {
            maze.setPixel(x, y, raster::kWhite);
            x += (toX > x) - (toX < x);
            y += (toY > y) - (toY < y);
        }
        maze.setPixel(x, y, raster::kWhite);
    };
    // Each ring stops two short of where it began, leaving a wall between it and the next ring.
    while (right > left && bottom > top + 2) {
        carveTo(right, top);
        carveTo(right, bottom);
        carveTo(left, bottom);
        carveTo(left, top + 2);
        left += 2;
        top += 2;
        right -= 2;
        bottom -= 2;
    }
    return maze;
}

}  // namespace testsupport
