#pragma once

#include <string>

#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/Colour.h"
#include "raster/Geometry.h"

namespace dabwick {

class Prompts;

// Clips are 64 by 64; the maker edits only the inner 62 by 62, so the one-pixel border of every
// clip it saves stays olive, the colour that is never stamped.
inline constexpr int kClipSide = 64;
inline constexpr raster::Colour kOlive = raster::Colour::rgb(128, 128, 0);
// The blank clip, and the ground the previews show a clip's background on.
inline constexpr raster::Colour kMaroon = raster::Colour::rgb(128, 0, 0);

// What ClipName holds while a new clip or a copy is made: saving asks for a name.
inline constexpr const char* kNoClipName = "<no name>";

// The numbers are the maker's own tool numbers.
enum class ClipTool { Fill = 1, Freehand = 2, Line = 3 };
enum class ClipColour { Black, White, Olive };

raster::Colour colourOf(ClipColour colour);

// A clip as a preview shows it on its maroon panel: 64 by 64, the clip drawn at its own size
// with its bottom-left colour left out, so the panel shows through its background.
raster::Bitmap shownOnMaroon(const raster::Bitmap& clip);

// How a colour button shows the choice: the chosen one its own colour and no caption, the
// others silver with their names.
struct ColourButtonLook {
    std::string caption;
    raster::Colour face;
};

// The clip maker without its window: the magnified editing area, its three colours and three
// tools, one undo step and the clip that is saved.
//
// Flow: the opener (the clip manager) sets ClipName, fills the area with startBlank or
// startFrom and calls FormShow; the window then passes each mouse event on the area, in area
// pixels times five, and repaints the area and the preview after every call.
class ClipMaker {
public:
    static constexpr int kEditSide = kClipSide - 2;
    static constexpr int kMagnification = 5;

    ClipMaker();

    // The child whose "user's clips" folder gets the clip; empty when nobody is signed in.
    std::string ClipOwner;
    // kNoClipName for a new clip or a copy, else the name of the clip being edited.
    std::string ClipName;
    // The window's caption, set by each opener.
    std::string caption = "Clip Maker";
    // The file an edited clip came from, which saving replaces.
    std::string editedFile;

    void startBlank();
    // The clip's pixels 1 to 62 in each direction fill the area; its border is dropped.
    void startFrom(const raster::Bitmap& clip);
    // Every showing starts with black and freehand and nothing to undo.
    void FormShow();

    void chooseColour(ClipColour colour);
    void chooseTool(ClipTool tool) { tool_ = tool; }
    ClipTool tool() const { return tool_; }
    ColourButtonLook buttonLook(ClipColour button) const;

    void imstretchedMouseDown(raster::Point at);
    void imstretchedMouseMove(raster::Point at);
    void imstretchedMouseUp(raster::Point at);

    void btnUndoClick();
    // Asks first; a clear cannot be undone.
    void btnclearClick(Prompts& prompts);
    bool undoEnabled() const { return undoEnabled_; }

    // imstretched, 62 by 62.
    const raster::Bitmap& area() const { return area_; }
    // impreview: the area inside an olive border, 64 by 64; the bitmap that is saved.
    const raster::Bitmap& preview() const { return preview_; }

private:
    void UpdatePreview();
    // The band is drawn with an inverting pen, so drawing it again takes it away.
    void drawBand();

    raster::Bitmap area_;
    raster::Bitmap preview_;
    raster::Bitmap undo_;
    raster::Canvas pen_;
    ClipColour colour_ = ClipColour::Black;
    ClipTool tool_ = ClipTool::Freehand;
    bool undoEnabled_ = false;
    bool drawing_ = false;
    raster::Point lastPoint_;
    raster::Point pressPoint_;
    raster::Point lineEnd_;
};

}  // namespace dabwick
