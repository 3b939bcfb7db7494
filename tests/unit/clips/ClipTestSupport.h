#pragma once

#include <deque>
#include <string>
#include <vector>

#include "dabwick/Resources.h"
#include "raster/BmpCodec.h"
#include "support/AsciiBitmap.h"

// Clips for the clip tests, drawn as 4 by 4 letters, and a resource table
// that stands in for the program's own where a test needs clips of its choosing.
namespace cliptest {

// Each letter of the rows is a block of 16 by 16 pixels: four letters make a clip's width.
inline raster::Bitmap bigClip(const std::vector<std::string_view>& rows)
{
    const raster::Bitmap small = testsupport::bitmapFromAscii(rows);
    raster::Bitmap big(small.width() * 16, small.height() * 16);
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            big.setPixel(x, y, small.pixel(x / 16, y / 16));
    return big;
}

inline std::string bmpFile(const raster::Bitmap& clip)
{
    const std::vector<std::uint8_t> bytes = raster::encodeBmp24(clip);
    return std::string(bytes.begin(), bytes.end());
}

class StandInResources {
public:
    void add(std::string name, const std::string& type, const raster::Bitmap& clip)
    {
        const std::vector<std::uint8_t> bytes = raster::encodeBmp24(clip);
        names_.push_back(std::move(name));
        types_.push_back(type);
        bytes_.push_back(bytes);
        entries_.push_back({names_.back(), types_.back(), bytes_.back()});
    }
    dabwick::ResourceTable table() const { return dabwick::ResourceTable(entries_); }

private:
    std::deque<std::string> names_, types_;  // deques: the entries point into them
    std::deque<std::vector<std::uint8_t>> bytes_;
    std::vector<dabwick::Resource> entries_;
};

}  // namespace cliptest
