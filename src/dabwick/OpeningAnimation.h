#pragma once

// The opening animation of the name screen: the built-in countryside drawing colours itself in,
// one area per tick of the screen's 106 ms timer, in random order and in one of four colour
// schemes picked at random for each showing. The area at the bottom (the table's last entry) is
// always coloured last. The screen shows picture() from its first frame and repaints what each
// tick changed; when tick() finds nothing left, the screen stops its timer.

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "dabwick/OpeningTable.h"
#include "raster/Bitmap.h"
#include "raster/Geometry.h"

namespace dabwick {

class ResourceTable;

// What one tick coloured: the table entry and the rectangle of the picture it changed.
struct OpeningStep {
    int entry = 0;
    raster::Rect changed;
};

class OpeningAnimation {
public:
    static constexpr int kTickMilliseconds = 106;

    // The random generator is seeded once here; the name screen seeds it from the clock.
    OpeningAnimation(raster::Bitmap drawing, const OpeningTable& table, std::uint64_t randomSeed);

    // The drawing ("opening", an image) and its region table ("openingregions", a table) as the
    // program holds them; nothing when either is missing or does not fit the other.
    static std::optional<OpeningAnimation> builtIn(const ResourceTable& resources, std::uint64_t randomSeed);

    // A random scheme number from 0 to 3.
    int pickScheme();
    // The scheme set-up: the line drawing comes back and every entry, 0 to 751 in order, waits.
    void start(int scheme);
    // Colours one waiting area at random, never the last entry while others wait. Nothing when
    // every area is coloured.
    std::optional<OpeningStep> tick();

    const raster::Bitmap& picture() const { return picture_; }
    int scheme() const { return scheme_; }
    // The entries still to be coloured, in the order the ticks draw them from.
    const std::vector<int>& lbcount() const { return lbcount_; }

private:
    raster::Bitmap drawing_;
    raster::Bitmap picture_;
    OpeningTable table_;
    std::mt19937_64 random_;
    int scheme_ = 0;
    std::vector<int> lbcount_;
};

}  // namespace dabwick
