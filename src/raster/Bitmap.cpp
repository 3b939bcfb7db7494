#include "raster/Bitmap.h"

#include <algorithm>
#include <stdexcept>

namespace raster {

Bitmap::Bitmap(int width, int height, Colour fill)
{
    reset(width, height, fill);
}

void Bitmap::reset(int width, int height, Colour fill)
{
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        throw std::invalid_argument("bitmap size out of range");
    if (width == 0 || height == 0)
        width = height = 0;
    width_ = width;
    height_ = height;
    data_.assign(std::size_t(width) * std::size_t(height) * 3, 0);
    this->fill(fill);
}

void Bitmap::fill(Colour c)
{
    if (data_.empty())
        return;
    std::uint8_t* first = row(0);
    for (int x = 0; x < width_; ++x) {
        first[x * 3] = c.blue();
        first[x * 3 + 1] = c.green();
        first[x * 3 + 2] = c.red();
    }
    for (int y = 1; y < height_; ++y)
        std::copy_n(first, rowBytes(), row(y));
}

}  // namespace raster
