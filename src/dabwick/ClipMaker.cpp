#include "dabwick/ClipMaker.h"

#include "dabwick/Prompts.h"
#include "raster/Blit.h"

namespace dabwick {

namespace {

constexpr raster::Colour kSilver = raster::Colour::rgb(192, 192, 192);

// A pointer position on the magnified area names the pixel under it. Positions off the area
// (a drag that leaves it) give pixels off the bitmap, where drawing is clipped.
raster::Point pixelAt(raster::Point at)
{
    return {at.x / ClipMaker::kMagnification, at.y / ClipMaker::kMagnification};
}

}  // namespace

raster::Colour colourOf(ClipColour colour)
{
    switch (colour) {
    case ClipColour::Black:
        return raster::kBlack;
    case ClipColour::White:
        return raster::kWhite;
    case ClipColour::Olive:
        return kOlive;
    }
    return raster::kBlack;
}

raster::Bitmap shownOnMaroon(const raster::Bitmap& clip)
{
    raster::Bitmap shown(kClipSide, kClipSide, kMaroon);
    raster::drawTransparent(shown, {0, 0}, clip);
    return shown;
}

ClipMaker::ClipMaker()
    : ClipName(kNoClipName)
    , area_(kEditSide, kEditSide, kOlive)
    , preview_(kClipSide, kClipSide, kOlive)
    , undo_(area_)
{
    chooseColour(ClipColour::Black);
}

void ClipMaker::startBlank()
{
    area_.fill(kOlive);
}

void ClipMaker::startFrom(const raster::Bitmap& clip)
{
    // A clip of another size leaves blank what it does not cover, not the last clip's pixels.
    area_.fill(kOlive);
    raster::copyBitmap(area_, {-1, -1}, clip);
}

void ClipMaker::FormShow()
{
    chooseColour(ClipColour::Black);
    tool_ = ClipTool::Freehand;
    undoEnabled_ = false;
    drawing_ = false;
    UpdatePreview();
}

void ClipMaker::chooseColour(ClipColour colour)
{
    colour_ = colour;
    pen_.pen() = raster::Pen(colourOf(colour), 1);
    pen_.brush() = raster::Brush(colourOf(colour), raster::BrushStyle::Solid);
}

ColourButtonLook ClipMaker::buttonLook(ClipColour button) const
{
    if (button == colour_)
        return {"", colourOf(button)};
    switch (button) {
    case ClipColour::Black:
        return {"Black", kSilver};
    case ClipColour::White:
        return {"White", kSilver};
    case ClipColour::Olive:
        return {"Transparent", kSilver};
    }
    return {"", kSilver};
}

void ClipMaker::UpdatePreview()
{
    raster::copyBitmap(preview_, {1, 1}, area_);
}

void ClipMaker::imstretchedMouseDown(raster::Point at)
{
    undoEnabled_ = true;
    undo_ = area_;
    const raster::Point p = pixelAt(at);
    if (tool_ == ClipTool::Fill) {
        pen_.surfaceFill(area_, p);
        UpdatePreview();
        return;
    }
    pressPoint_ = p;
    lastPoint_ = p;
    lineEnd_ = p;
    drawing_ = true;
    pen_.moveTo(p);
}

void ClipMaker::drawBand()
{
    raster::Canvas band;
    band.pen() = raster::Pen(raster::kBlack, 1, raster::PenMode::NotXor);
    band.moveTo(lastPoint_);
    band.lineTo(area_, lineEnd_);
}

void ClipMaker::imstretchedMouseMove(raster::Point at)
{
    if (!drawing_)
        return;
    const raster::Point p = pixelAt(at);
    if (tool_ == ClipTool::Freehand) {
        // The line leaves out its end pixel: the next move paints it, the release does not.
        pen_.lineTo(area_, p);
        lastPoint_ = p;
    } else if (tool_ == ClipTool::Line) {
        drawBand();
        lineEnd_ = p;
        drawBand();
    }
}

void ClipMaker::imstretchedMouseUp(raster::Point at)
{
    if (drawing_) {
        if (tool_ == ClipTool::Freehand && pixelAt(at) == pressPoint_ && area_.contains(pressPoint_.x, pressPoint_.y))
            area_.setPixel(pressPoint_.x, pressPoint_.y, colourOf(colour_));
        else if (tool_ == ClipTool::Line) {
            // Over the last band, which covers the same pixels.
            pen_.moveTo(lastPoint_);
            pen_.lineTo(area_, lineEnd_);
        }
    }
    drawing_ = false;
    UpdatePreview();
}

void ClipMaker::btnUndoClick()
{
    undoEnabled_ = false;
    area_ = undo_;
    UpdatePreview();
}

void ClipMaker::btnclearClick(Prompts& prompts)
{
    if (!prompts.AskYesNo("Clear clip",
            "Are you sure that you want to clear this\n"
            "clip and replace it with a blank clip?"))
        return;
    area_.fill(kOlive);
    UpdatePreview();
    undoEnabled_ = false;
}

}  // namespace dabwick
