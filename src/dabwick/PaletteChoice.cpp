#include "dabwick/PaletteChoice.h"

#include "dabwick/DrawingEngine.h"

namespace dabwick {

StripHover hoverOnStrip(const raster::Bitmap& strip, raster::Point at)
{
    if (!strip.contains(at.x, at.y))
        return {};
    if (kWhiteZone.contains(at))
        return {true, raster::kWhite};
    const raster::Colour under = strip.pixel(at.x, at.y);
    if (under == raster::kWhite || under == raster::kBlack)
        return {true, std::nullopt};
    return {true, under};
}

void impalmainMouseMove(DrawingEngine& engine, const raster::Bitmap& strip, raster::Point at)
{
    const StripHover hover = hoverOnStrip(strip, at);
    if (!hover.overStrip) {
        engine.hidePreview();
        engine.setStripCursor(CursorSlot::kDefault);
        return;
    }
    engine.setStripCursor(CursorSlot::kPick);
    engine.showPreview(hover.colour.value_or(engine.previewColour()));
}

void impalmainMouseDown(DrawingEngine& engine)
{
    engine.NormaliseColour();
    const raster::Colour c = engine.previewColour();
    if (c != raster::kBlack) {
        engine.paintSwatch(c);
        engine.applyColourToPad(c);
    }
    engine.ReturnToTool();
}

void takeCustomColour(DrawingEngine& engine, raster::Colour chosen)
{
    engine.paintSwatch(chosen);
    engine.NormaliseColour();
}

}  // namespace dabwick
