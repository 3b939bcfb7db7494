#pragma once

#include <string>

#include "raster/Bitmap.h"
#include "raster/Geometry.h"

namespace dabwick {

class Prompts;
class ResourceTable;

inline constexpr int kStripWidth = 96;
inline constexpr int kStripHeight = 464;
inline constexpr int kPaletteWidth = 90;
inline constexpr int kPaletteHeight = 390;
// Where a palette lies on the strip, between the fixed squares at the top and at the bottom.
inline constexpr raster::Point kPaletteArea {3, 37};

// The chooser's first item: the built-in main palette rather than a file.
inline constexpr const char* kMainPaletteName = "<Main>";

// The built-in images, type "image": the strip with its fixed squares, rules and an empty palette
// area, and the main palette.
inline constexpr const char* kStripResource = "palettestrip";
inline constexpr const char* kMainPaletteResource = "mainpalette";
inline constexpr const char* kStripType = "image";

// The palette strip `impalmain` and the hidden main palette `impalcopy`. Choosing a palette
// replaces only the palette area; the squares above and below it stay.
class PaletteStrip {
public:
    // The strip showing the main palette. A strip or main palette of the wrong size is replaced by
    // white of the right size, so the strip always has its shape.
    PaletteStrip(const raster::Bitmap& strip, const raster::Bitmap& mainPalette);
    // The same from the program's resources; a missing or unreadable one counts as wrong-sized.
    static PaletteStrip builtIn(const ResourceTable& resources);

    const raster::Bitmap& image() const { return strip_; }

    // The chooser's change handler, for a picked or typed text: "<Main>" brings the main palette
    // back; any other text names a file data folder + "Color palettes/" + text + ".dwl", found
    // without regard to case. A missing file or a picture that is not 90 by 390 leaves the strip
    // as it was, silently; a file the bitmap reader refuses is named in a warning and leaves it
    // too. True when the strip changed.
    bool cbpaletteChange(const std::string& text, const std::string& dataFolder, Prompts& prompts);

private:
    void drawPalette(const raster::Bitmap& palette);

    raster::Bitmap strip_;
    raster::Bitmap impalcopy_;
};

}  // namespace dabwick
