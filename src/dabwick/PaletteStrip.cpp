#include "dabwick/PaletteStrip.h"

#include "dabwick/Names.h"
#include "dabwick/Palettes.h"
#include "dabwick/Prompts.h"
#include "dabwick/Resources.h"
#include "raster/Blit.h"
#include "raster/BmpCodec.h"

namespace dabwick {

namespace {

raster::Bitmap ofSize(const raster::Bitmap& image, int width, int height)
{
    return image.width() == width && image.height() == height ? image : raster::Bitmap(width, height);
}

raster::Bitmap builtInImage(const ResourceTable& resources, const char* name)
{
    const Resource* resource = resources.find(name, kStripType);
    if (resource == nullptr)
        return {};
    raster::BmpResult<raster::Bitmap> read = raster::readBmp(resource->bytes);
    return read ? std::move(*read.value) : raster::Bitmap();
}

}  // namespace

PaletteStrip::PaletteStrip(const raster::Bitmap& strip, const raster::Bitmap& mainPalette)
    : strip_(ofSize(strip, kStripWidth, kStripHeight))
    , impalcopy_(ofSize(mainPalette, kPaletteWidth, kPaletteHeight))
{
    drawPalette(impalcopy_);
}

PaletteStrip PaletteStrip::builtIn(const ResourceTable& resources)
{
    return PaletteStrip(builtInImage(resources, kStripResource), builtInImage(resources, kMainPaletteResource));
}

bool PaletteStrip::cbpaletteChange(const std::string& text, const std::string& dataFolder, Prompts& prompts)
{
    if (text == kMainPaletteName) {
        drawPalette(impalcopy_);
        return true;
    }
    const std::string path = dataFolder + kPaletteFolder + text + kPaletteExtension;
    if (!existsIgnoringCase(path))
        return false;
    const raster::BmpResult<raster::Bitmap> imtemppal = raster::readBmpFile(resolveIgnoringCase(path));
    if (!imtemppal) {
        // Our own mend: the child learns which palette would not load and why.
        prompts.ShowWarning("Palette error", "The palette \"" + text + "\" can not be loaded:\n" + imtemppal.error);
        return false;
    }
    if (imtemppal.value->width() != kPaletteWidth || imtemppal.value->height() != kPaletteHeight)
        return false;
    drawPalette(*imtemppal.value);
    return true;
}

void PaletteStrip::drawPalette(const raster::Bitmap& palette)
{
    raster::copyBitmap(strip_, kPaletteArea, palette);
}

}  // namespace dabwick
