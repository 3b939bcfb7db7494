#pragma once

#include <cstdint>
#include <string>

#include "dabwick/ClipPicture.h"
#include "raster/Bitmap.h"
#include "raster/Brush.h"
#include "raster/Colour.h"
#include "raster/Geometry.h"
#include "raster/Pen.h"

namespace dabwick {

class PictureDocument;

// Tool codes as the tool state stores them.
enum class Tool : std::uint8_t {
    tlFreehand = 0,
    tlLine = 1,
    tlRectangle = 2,
    tlEllipse = 3,
    tlRoundRect = 4,
    tlEraser = 5,  // a return code only: the eraser is the freehand tool with a white pen
    tlFill = 6,
    tlCrayon = 7,
    tlMarker = 8,
    tlPicker = 9,
    tlClip = 10,
    tlReplace = 11,
};

// The buttons of the tool group; exactly one is down.
enum class ToolButton {
    freehandbutton,
    btnerase,
    LineButton,
    RectangleButton,
    EllipseButton,
    RoundRectButton,
    btnclip,
    crayonbutton,
    markerbutton,
    fillbutton,
    btnreplace,
    btnselect,
};

// Screen cursor slots the drawing engine and the clip browser show (the cursor library maps them).
namespace CursorSlot {
inline constexpr int kDefault = 0;
inline constexpr int kHidden = -1;
inline constexpr int kHand = 1;
inline constexpr int kDraw = 2;
inline constexpr int kCrayon = 5;
inline constexpr int kMarker = 6;
inline constexpr int kEraser = 7;
inline constexpr int kFill = 8;
inline constexpr int kPick = 11;
inline constexpr int kNoEdit = 21;
inline constexpr int kDelete = 23;
inline constexpr int kCircle = 32;
inline constexpr int kSquare = 33;
inline constexpr int kRoundRect = 34;
inline constexpr int kLine2 = 35;
inline constexpr int kNoFill = 36;
inline constexpr int kNoReplace = 37;
inline constexpr int kNoPick = 38;
inline constexpr int kReplace = 39;
}  // namespace CursorSlot

// What the tool bar and the side panel show for the current tool; the window copies it onto
// its widgets after every handler.
struct ToolControls {
    bool sizeControlsEnabled = true;  // lbltool, lblsize, btnminus, btnplus together
    std::string sizeCaption = "Pen size:";
    std::string sizeText = "1";
    bool customVisible = false;          // btncustom
    bool selectEnabled = false;          // btnselect
    bool styleEnabled = false;           // btnstyle
    bool colourControlsVisible = false;  // impalmain, cbpalette, Label4, cpen
    bool previewVisible = false;         // pcolor
    bool clipPanelVisible = false;       // panclips
    bool floatingClipVisible = false;    // Mainclip
    int padCursor = CursorSlot::kDraw;
    int stripCursor = CursorSlot::kDefault;
};

// The drawing tools and the pad's mouse pipeline. It draws on the document's two layers: the
// coloured picture the child sees and the line-art layer, whose black pixels colouring must
// never cover. Each mouse handler returns the rectangle of the pad it changed, so the window
// repaints only that; every completed stroke, shape, fill or click is one undo step.
class DrawingEngine {
public:
    explicit DrawingEngine(PictureDocument& document);

    // Part of starting every picture: the pencil of size 5 in black, colour 0x202020, solid fill.
    void ResetTools();

    // Presses the button and runs its click: tool, pens, size controls, colour controls, cursor.
    void pressToolButton(ToolButton button);
    // The fill button clears the armed picker before its click runs.
    void fillbuttonMouseDown() { PickArmed = false; }
    void btnminusClick();
    void btnplusClick();
    // After the pattern window closed: the pad brush takes the style, the fill cursor follows.
    void chooseFillStyle(int style);

    raster::Rect IMpadMouseDown(raster::Point at);
    // `oneButtonHeld`: exactly one mouse button is down, which silences the fill hover cursor.
    raster::Rect IMpadMouseMove(raster::Point at, bool oneButtonHeld);
    raster::Rect IMpadMouseUp(raster::Point at);
    // Mouse over anything but the pad: the colour preview and the floating clip hide.
    void FormMouseMove();

    void btnclearClick();
    void btnoutlineClick();
    // The outline pass over both layers; the animation's preparation runs the same pass on its own copy.
    void OutlinePicture();

    // Colour choice, shared with the palette strip and the custom colour dialog.
    raster::Colour currentColour() const { return currentColour_; }
    // Paints the current-colour swatch in c.
    void paintSwatch(raster::Colour c) { currentColour_ = c; }
    // Pad pen and brush take c, unless the pad pen is black (the drawing tools) or the eraser is down.
    void applyColourToPad(raster::Colour c);
    // Raises every zero channel of the current colour to 1 and applies it to the pad.
    void NormaliseColour();
    // The colour preview `pcolor`: the last colour shown, and whether it is visible.
    raster::Colour previewColour() const { return previewColour_; }
    void showPreview(raster::Colour c);
    void hidePreview() { controls_.previewVisible = false; }
    void setStripCursor(int slot) { controls_.stripCursor = slot; }
    // After a pick and after every strip click: the armed picker or replacer gives way to the
    // tool it came from.
    void ReturnToTool();

    // The clip tool (ClipTool.cpp). The selected clip, composed over the blank clip, is both the
    // browser's preview and the floating clip `Mainclip` that follows the pointer over the pad.
    bool clipselected() const { return clipselected_; }
    const raster::Bitmap& Mainclip() const { return Mainclip_; }
    // The floating clip's top-left corner in pad coordinates.
    raster::Point MainclipAt() const { return MainclipAt_; }
    void selectClip(raster::Bitmap composed);
    // A new category: nothing selected, the floating clip blank and hidden, the pad says "no edit".
    void dropClipSelection();
    // The floating clip shows over the pad, so the pad's clicks land on it and stamp.
    bool floatingClipShown() const;
    // Stamps the selected clip where the floating clip stands: one undo step per stamp.
    raster::Rect MainclipClick();

    const ToolControls& controls() const { return controls_; }
    ToolButton downButton() const { return downButton_; }
    bool eraserDown() const { return downButton_ == ToolButton::btnerase; }
    const raster::Pen& padPen() const { return padPen_; }
    const raster::Brush& padBrush() const { return padBrush_; }
    int fillStyle() const { return FillStyle; }

    // Tool state.
    Tool CurrentTool = Tool::tlFreehand;
    Tool ReturnTool = Tool::tlFreehand;
    int ToolSize = 5;
    int EraserSize = 5;
    int ShownSize = 5;
    int FillCursor = CursorSlot::kFill;
    bool PickArmed = false;
    // Stroke state.
    bool PenDown = false;
    raster::Point AnchorPoint{0, 0};
    raster::Point BandEnd{0, 0};

private:
    void clickToolButton(ToolButton button);
    void setSizeControls(bool enabled, const char* caption, int size);
    raster::Rect DrawShape(raster::Point start, raster::Point end, raster::PenMode mode);
    raster::Rect colourSegment(raster::Point to);
    raster::Rect closingDot();
    raster::Rect fill(raster::Point at);
    raster::Rect ReplaceColour(raster::Point at);
    void PreviewPadColour(raster::Point at);
    void pick(raster::Point at);
    void clearClipSelection();
    void hoverClip(raster::Point at);

    PictureDocument& document_;
    ToolButton downButton_ = ToolButton::freehandbutton;
    raster::Pen padPen_{raster::kBlack, 5};
    raster::Brush padBrush_{raster::kBlack, raster::BrushStyle::Solid};
    raster::Pen lineArtPen_{raster::kBlack, 5};
    raster::Colour currentColour_{0x202020};
    raster::Colour previewColour_ = raster::kWhite;
    int FillStyle = 0;
    ToolControls controls_;
    bool clipselected_ = false;
    raster::Bitmap Mainclip_ = blankClip();
    raster::Point MainclipAt_{0, 0};
    bool MainclipPressed_ = false;  // a button went down on the floating clip
};

}  // namespace dabwick
