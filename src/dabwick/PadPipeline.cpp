// The pad's three mouse handlers and what each tool does inside them. Drawing tools draw in
// black on both layers; colouring tools draw on the picture only and then put the line art's
// black pixels back, near the stroke while the mouse moves and over the whole picture at the end.
#include <algorithm>

#include "dabwick/DrawingEngine.h"
#include "dabwick/LayerPasses.h"
#include "dabwick/PictureDocument.h"
#include "raster/Figures.h"
#include "raster/FloodFill.h"

namespace dabwick {

namespace {

using raster::Point;
using raster::Rect;

const Rect kWholePad = Rect::fromSize(kPadWidth, kPadHeight);

bool onPad(Point p)
{
    return kWholePad.contains(p);
}

Point clamp(Point p, int minX, int maxX, int minY, int maxY)
{
    return {std::clamp(p.x, minX, maxX), std::clamp(p.y, minY, maxY)};
}

// The neighbourhood of a segment that a colouring step repairs: its bounding box grown by the
// pen's radius and a safety margin, kept on the pad.
Rect repairArea(Point a, Point b, int penSize)
{
    const int margin = penSize / 2 + 10;
    return Rect{std::min(a.x, b.x) - margin, std::min(a.y, b.y) - margin, std::max(a.x, b.x) + margin,
                std::max(a.y, b.y) + margin}
        .intersected(kWholePad);
}

}  // namespace

Rect DrawingEngine::IMpadMouseDown(Point at)
{
    if (floatingClipShown()) {
        MainclipPressed_ = true;  // the click belongs to the floating clip over the pad
        return {};
    }
    PenDown = true;
    AnchorPoint = at;
    BandEnd = at;
    if (CurrentTool != Tool::tlFill)
        return {};
    const Rect changed = fill(at);
    document_.RecordUndoStep();
    PenDown = false;
    return changed;
}

Rect DrawingEngine::IMpadMouseMove(Point at, bool oneButtonHeld)
{
    const int r = ShownSize / 2 + 1;
    if (!PickArmed && controls_.previewVisible)
        controls_.previewVisible = false;

    if (downButton_ == ToolButton::fillbutton && !oneButtonHeld) {
        const bool overLine = onPad(at) && document_.lineArt.pixel(at.x, at.y) == raster::kBlack;
        controls_.padCursor = overLine ? CursorSlot::kNoFill : FillCursor;
    }

    if (CurrentTool == Tool::tlPicker || CurrentTool == Tool::tlReplace) {
        const Point p = clamp(at, 0, kPadWidth - 1, 0, kPadHeight - 1);
        const bool overColour = document_.picture.pixel(p.x, p.y) != raster::kBlack;
        const bool picker = CurrentTool == Tool::tlPicker;
        if (overColour) {
            controls_.padCursor = picker ? CursorSlot::kPick : CursorSlot::kReplace;
            PreviewPadColour(p);
        } else {
            controls_.previewVisible = false;
            controls_.padCursor = picker ? CursorSlot::kNoPick : CursorSlot::kNoReplace;
        }
    } else if (CurrentTool == Tool::tlClip) {
        hoverClip(at);
    }

    if (!PenDown)
        return {};
    switch (CurrentTool) {
    case Tool::tlFreehand: {
        const Point to = clamp(at, -101, kPadWidth + 100, -101, kPadHeight + 100);
        padPen_.setMode(raster::PenMode::Copy);
        const Rect changed = raster::drawLine(document_.picture, padPen_, AnchorPoint, to);
        raster::drawLine(document_.lineArt, lineArtPen_, AnchorPoint, to);
        AnchorPoint = to;
        return changed;
    }
    case Tool::tlFill:
        PenDown = false;
        return {};
    case Tool::tlCrayon:
    case Tool::tlMarker:
        return colourSegment(clamp(at, -r, kPadWidth + r, -r, kPadHeight + r));
    default: {
        padPen_.setMode(raster::PenMode::Copy);
        Rect changed = DrawShape(AnchorPoint, BandEnd, raster::PenMode::NotXor);
        BandEnd = at;
        return changed.united(DrawShape(AnchorPoint, BandEnd, raster::PenMode::NotXor));
    }
    }
}

Rect DrawingEngine::IMpadMouseUp(Point at)
{
    if (MainclipPressed_) {
        MainclipPressed_ = false;
        return MainclipClick();
    }
    document_.MarkChanged();
    Rect changed;
    if (CurrentTool == Tool::tlPicker)
        pick(at);
    if (CurrentTool == Tool::tlReplace && onPad(at)) {
        changed = ReplaceColour(at);
        document_.RecordUndoStep();
        PenDown = false;
    }
    if (PenDown) {
        changed = changed.united(DrawShape(AnchorPoint, at, raster::PenMode::Copy));
        PenDown = false;
        document_.RecordUndoStep();
    }
    return changed;
}

Rect DrawingEngine::DrawShape(Point start, Point end, raster::PenMode mode)
{
    const raster::PenMode remembered = padPen_.mode();
    padPen_.setMode(mode);
    lineArtPen_.setMode(mode);
    raster::Bitmap& picture = document_.picture;
    raster::Bitmap& lineArt = document_.lineArt;
    Rect changed;
    switch (CurrentTool) {
    case Tool::tlFreehand: {
        padPen_.setMode(raster::PenMode::Copy);
        lineArtPen_.setMode(raster::PenMode::Copy);
        const Point dotEnd{start.x + 1, start.y};
        changed = raster::drawLine(picture, padPen_, start, dotEnd);
        raster::drawLine(lineArt, lineArtPen_, start, dotEnd);
        break;
    }
    case Tool::tlLine:
        changed = raster::drawLine(picture, padPen_, start, end);
        raster::drawLine(lineArt, lineArtPen_, start, end);
        break;
    case Tool::tlRectangle:
        changed = raster::drawRectangle(picture, padPen_, padBrush_, start, end);
        raster::drawRectangle(lineArt, lineArtPen_, padBrush_, start, end);
        break;
    case Tool::tlEllipse:
        changed = raster::drawEllipse(picture, padPen_, padBrush_, start, end);
        raster::drawEllipse(lineArt, lineArtPen_, padBrush_, start, end);
        break;
    case Tool::tlRoundRect: {
        // Signed differences divided toward zero; only their size matters to the corners.
        const int cornerWidth = (start.x - end.x) / 2;
        const int cornerHeight = (start.y - end.y) / 2;
        changed = raster::drawRoundRect(picture, padPen_, padBrush_, start, end, cornerWidth, cornerHeight);
        raster::drawRoundRect(lineArt, lineArtPen_, padBrush_, start, end, cornerWidth, cornerHeight);
        break;
    }
    case Tool::tlCrayon:
    case Tool::tlMarker:
        changed = closingDot();
        break;
    default:
        break;
    }
    padPen_.setMode(remembered);
    lineArtPen_.setMode(remembered);
    return changed;
}

Rect DrawingEngine::colourSegment(Point to)
{
    const bool marker = CurrentTool == Tool::tlMarker;
    padPen_.setMode(marker ? raster::PenMode::Mask : raster::PenMode::Copy);
    Rect changed = raster::drawLine(document_.picture, padPen_, AnchorPoint, to);
    const Rect area = repairArea(AnchorPoint, to, ShownSize);
    if (marker)
        LiftZeroChannels(document_.picture, area);
    RestoreLineArt(document_.picture, document_.lineArt, area);
    AnchorPoint = to;
    return changed.united(area);
}

Rect DrawingEngine::closingDot()
{
    const bool marker = CurrentTool == Tool::tlMarker;
    padPen_.setMode(marker ? raster::PenMode::Mask : raster::PenMode::Copy);
    raster::drawLine(document_.picture, padPen_, AnchorPoint, {AnchorPoint.x + 1, AnchorPoint.y});
    if (marker)
        LiftZeroChannels(document_.picture, kWholePad);
    RestoreLineArt(document_.picture, document_.lineArt, kWholePad);
    return kWholePad;
}

Rect DrawingEngine::fill(Point at)
{
    padPen_.setMode(raster::PenMode::Copy);
    raster::floodFillBorder(document_.picture, padBrush_, at, raster::kBlack);
    RestoreLineArt(document_.picture, document_.lineArt, kWholePad);
    return kWholePad;
}

Rect DrawingEngine::ReplaceColour(Point at)
{
    const raster::Colour target = document_.picture.pixel(at.x, at.y);
    if (target == raster::kBlack)
        return {};
    return replaceAll(document_.picture, target, currentColour_) ? kWholePad : Rect{};
}

void DrawingEngine::PreviewPadColour(Point at)
{
    const raster::Colour c = document_.picture.pixel(at.x, at.y);
    if (c != raster::kBlack)
        showPreview(c);
    else
        controls_.previewVisible = false;
}

void DrawingEngine::pick(Point at)
{
    if (!onPad(at) || !controls_.previewVisible)
        return;
    const raster::Colour c = previewColour_;
    paintSwatch(c);
    padPen_.setColour(c);
    padBrush_.setColour(c);
    PenDown = false;
    ReturnToTool();
}

void DrawingEngine::btnclearClick()
{
    document_.picture = document_.lineArt;
    document_.MarkChanged();
    document_.RecordUndoStep();
    document_.buttons.clear = false;
}

void DrawingEngine::btnoutlineClick()
{
    OutlinePicture();
    document_.RecordUndoStep();
}

void DrawingEngine::OutlinePicture()
{
    outlineColours(document_.picture, &document_.lineArt, {});
}

}  // namespace dabwick
