#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster/Colour.h"

namespace raster {

// A 24-bit picture held by value: rows top to bottom, three bytes a pixel in the order
// blue, green, red, rows packed without padding. Every picture of the program is one of these.
class Bitmap {
public:
    // Large enough for any picture of the program; the file readers refuse anything bigger.
    static constexpr int kMaxSide = 16384;

    Bitmap() = default;
    Bitmap(int width, int height, Colour fill = kWhite);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::uint8_t* row(int y) { return data_.data() + std::size_t(y) * rowBytes(); }
    const std::uint8_t* row(int y) const { return data_.data() + std::size_t(y) * rowBytes(); }
    std::size_t rowBytes() const { return std::size_t(width_) * 3; }

    // Callers keep (x, y) inside the bitmap; these are the per-pixel fast paths.
    Colour pixel(int x, int y) const
    {
        const std::uint8_t* p = row(y) + std::size_t(x) * 3;
        return Colour::rgb(p[2], p[1], p[0]);
    }
    void setPixel(int x, int y, Colour c)
    {
        std::uint8_t* p = row(y) + std::size_t(x) * 3;
        p[0] = c.blue();
        p[1] = c.green();
        p[2] = c.red();
    }

    void fill(Colour c);
    // Gives the bitmap a new size with every pixel set to fill.
    void reset(int width, int height, Colour fill = kWhite);

    const std::vector<std::uint8_t>& bytes() const { return data_; }

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> data_;
};

}  // namespace raster
