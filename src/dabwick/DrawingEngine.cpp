// Tool selection, sizes and colour choice of the drawing engine; the pad's mouse pipeline is
// in PadPipeline.cpp.
#include "dabwick/DrawingEngine.h"

#include "dabwick/PictureDocument.h"

namespace dabwick {

namespace {

using raster::BrushStyle;
using raster::Colour;

// What a tool button sets, one row per button.
struct ButtonRow {
    ToolButton button;
    Tool tool;
    const char* sizeCaption;  // nullptr: the size controls are off
    int cursor;
    bool drawingTool;  // draws in black on both layers; hides the colour controls
};

constexpr ButtonRow kButtons[] = {
    {ToolButton::freehandbutton, Tool::tlFreehand, "Pencil size = ", CursorSlot::kDraw, true},
    {ToolButton::btnerase, Tool::tlFreehand, "Eraser size = ", CursorSlot::kEraser, true},
    {ToolButton::LineButton, Tool::tlLine, "Line width = ", CursorSlot::kLine2, true},
    {ToolButton::RectangleButton, Tool::tlRectangle, "Border width = ", CursorSlot::kSquare, true},
    {ToolButton::EllipseButton, Tool::tlEllipse, "Border width = ", CursorSlot::kCircle, true},
    {ToolButton::RoundRectButton, Tool::tlRoundRect, "Border width = ", CursorSlot::kRoundRect, true},
    {ToolButton::btnclip, Tool::tlClip, nullptr, CursorSlot::kNoEdit, true},
    {ToolButton::crayonbutton, Tool::tlCrayon, "Crayon size = ", CursorSlot::kCrayon, false},
    {ToolButton::markerbutton, Tool::tlMarker, "Marker size = ", CursorSlot::kMarker, false},
    {ToolButton::fillbutton, Tool::tlFill, nullptr, CursorSlot::kFill, false},
    {ToolButton::btnreplace, Tool::tlReplace, nullptr, CursorSlot::kPick, false},
    {ToolButton::btnselect, Tool::tlPicker, nullptr, CursorSlot::kPick, false},
};

const ButtonRow& rowOf(ToolButton button)
{
    for (const ButtonRow& row : kButtons) {
        if (row.button == button)
            return row;
    }
    return kButtons[0];
}

// The button that brings a return code back after a pick.
ToolButton buttonOf(Tool tool)
{
    switch (tool) {
    case Tool::tlLine: return ToolButton::LineButton;
    case Tool::tlRectangle: return ToolButton::RectangleButton;
    case Tool::tlEllipse: return ToolButton::EllipseButton;
    case Tool::tlRoundRect: return ToolButton::RoundRectButton;
    case Tool::tlEraser: return ToolButton::btnerase;
    case Tool::tlFill: return ToolButton::fillbutton;
    case Tool::tlCrayon: return ToolButton::crayonbutton;
    case Tool::tlMarker: return ToolButton::markerbutton;
    case Tool::tlClip: return ToolButton::btnclip;
    case Tool::tlReplace: return ToolButton::btnreplace;
    default: return ToolButton::freehandbutton;
    }
}

// The fill cursor that shows each pattern.
int fillCursorOf(int style)
{
    switch (style) {
    case 2: return 30;  // "fillh"
    case 3: return 31;  // "fillv"
    case 4: return 26;  // "filldl"
    case 5: return 27;  // "filldr"
    case 6: return 29;  // "fillc"
    case 7: return 28;  // "fillcd"
    default: return CursorSlot::kFill;
    }
}

Colour withoutZeroChannels(Colour c)
{
    const auto lift = [](std::uint8_t v) { return std::uint8_t(v == 0 ? 1 : v); };
    return Colour::rgb(lift(c.red()), lift(c.green()), lift(c.blue()));
}

}  // namespace

DrawingEngine::DrawingEngine(PictureDocument& document) : document_(document)
{
    ResetTools();
}

void DrawingEngine::ResetTools()
{
    PickArmed = false;
    ShownSize = ToolSize = EraserSize = 5;
    controls_.sizeText = "5";
    controls_.padCursor = CursorSlot::kDraw;
    padPen_.setColour(raster::kBlack);
    padBrush_.setColour(raster::kBlack);
    pressToolButton(ToolButton::freehandbutton);
    paintSwatch(Colour(0x202020));
    FillCursor = CursorSlot::kFill;
    FillStyle = 0;
    padBrush_.setStyle(BrushStyle::Solid);
    PenDown = false;
}

void DrawingEngine::pressToolButton(ToolButton button)
{
    downButton_ = button;
    clickToolButton(button);
}

void DrawingEngine::clickToolButton(ToolButton button)
{
    const ButtonRow& row = rowOf(button);
    const bool colouring = !row.drawingTool;

    if (controls_.clipPanelVisible && button != ToolButton::btnclip) {
        controls_.floatingClipVisible = false;
        controls_.clipPanelVisible = false;
    }
    if (row.drawingTool)
        padPen_.setMode(raster::PenMode::Copy);
    controls_.styleEnabled = button == ToolButton::fillbutton;
    if (button != ToolButton::btnselect) {
        controls_.customVisible = colouring;
        controls_.selectEnabled = colouring;
    }

    CurrentTool = row.tool;
    if (button == ToolButton::btnerase)
        ReturnTool = Tool::tlEraser;
    else if (button != ToolButton::btnselect)
        ReturnTool = row.tool;

    if (button == ToolButton::btnerase && EraserSize < 6)
        EraserSize = 5;
    if (row.sizeCaption)
        setSizeControls(true, row.sizeCaption, button == ToolButton::btnerase ? EraserSize : ToolSize);
    else
        setSizeControls(false, nullptr, ShownSize);

    controls_.colourControlsVisible = colouring;
    if (row.drawingTool)
        controls_.previewVisible = false;
    controls_.padCursor = button == ToolButton::fillbutton ? FillCursor : row.cursor;

    switch (button) {
    case ToolButton::freehandbutton:
    case ToolButton::LineButton:
        padPen_ = raster::Pen(raster::kBlack, ShownSize, padPen_.mode());
        lineArtPen_ = padPen_;
        break;
    case ToolButton::btnerase:
        padPen_ = raster::Pen(raster::kWhite, ShownSize, padPen_.mode());
        lineArtPen_ = padPen_;
        EraserSize = ShownSize;
        break;
    case ToolButton::RectangleButton:
    case ToolButton::EllipseButton:
    case ToolButton::RoundRectButton:
        padPen_ = raster::Pen(raster::kBlack, ShownSize, padPen_.mode());
        lineArtPen_ = padPen_;
        padBrush_.setStyle(BrushStyle::Hollow);
        break;
    case ToolButton::btnclip:
        if (!controls_.clipPanelVisible) {
            controls_.clipPanelVisible = true;
            clearClipSelection();
        }
        break;
    case ToolButton::crayonbutton:
    case ToolButton::markerbutton:
        padPen_.setWidth(ShownSize);
        padPen_.setColour(currentColour_);
        break;
    case ToolButton::fillbutton:
        padPen_.setColour(currentColour_);
        padBrush_.setColour(currentColour_);
        break;
    case ToolButton::btnreplace:
    case ToolButton::btnselect:
        PickArmed = true;
        break;
    }
}

void DrawingEngine::setSizeControls(bool enabled, const char* caption, int size)
{
    controls_.sizeControlsEnabled = enabled;
    if (!enabled)
        return;
    controls_.sizeCaption = caption;
    ShownSize = size;
    controls_.sizeText = std::to_string(size);
}

void DrawingEngine::btnminusClick()
{
    const bool eraser = CurrentTool == Tool::tlFreehand && padPen_.colour() == raster::kWhite;
    if (ShownSize > 40)
        ShownSize -= 20;
    else if (ShownSize > 5)
        ShownSize -= 5;
    else if (eraser)
        ShownSize = 0;
    else
        ShownSize -= 1;
    if (ShownSize < 1)
        ShownSize = 100;
    controls_.sizeText = std::to_string(ShownSize);
    padPen_.setWidth(ShownSize);
    lineArtPen_.setWidth(ShownSize);
    (eraser ? EraserSize : ToolSize) = ShownSize;
}

void DrawingEngine::btnplusClick()
{
    const bool eraser = CurrentTool == Tool::tlFreehand && padPen_.colour() == raster::kWhite;
    if (ShownSize >= 40)
        ShownSize += 20;
    else if (ShownSize >= 5)
        ShownSize += 5;
    else if (eraser)
        ShownSize = 5;
    else
        ShownSize += 1;
    if (ShownSize > 100)
        ShownSize = eraser ? 5 : 1;
    controls_.sizeText = std::to_string(ShownSize);
    padPen_.setWidth(ShownSize);
    lineArtPen_.setWidth(ShownSize);
    (eraser ? EraserSize : ToolSize) = ShownSize;
}

void DrawingEngine::chooseFillStyle(int style)
{
    FillStyle = (style >= 0 && style <= 7 && style != 1) ? style : 0;
    padBrush_.setStyle(BrushStyle(FillStyle));
    FillCursor = fillCursorOf(FillStyle);
}

void DrawingEngine::applyColourToPad(Colour c)
{
    if (padPen_.colour() == raster::kBlack || eraserDown())
        return;
    padBrush_.setColour(c);
    padPen_.setColour(c);
}

void DrawingEngine::NormaliseColour()
{
    const Colour lifted = withoutZeroChannels(currentColour_);
    paintSwatch(lifted);
    applyColourToPad(lifted);
}

void DrawingEngine::showPreview(Colour c)
{
    previewColour_ = c;
    controls_.previewVisible = true;
}

void DrawingEngine::ReturnToTool()
{
    if (!PickArmed)
        return;
    if (ReturnTool != Tool::tlClip)
        PickArmed = false;  // the replacer's own click arms it again
    pressToolButton(buttonOf(ReturnTool));
}

void DrawingEngine::FormMouseMove()
{
    controls_.floatingClipVisible = false;
    controls_.previewVisible = false;
}

}  // namespace dabwick
