// The clip tool's side of the drawing engine: the selected clip, the floating clip that follows
// the pointer over the pad, and the stamp it makes when clicked.
#include <algorithm>

#include "dabwick/ClipPicture.h"
#include "dabwick/ClipStamp.h"
#include "dabwick/DrawingEngine.h"
#include "dabwick/PictureDocument.h"

namespace dabwick {

void DrawingEngine::selectClip(raster::Bitmap composed)
{
    Mainclip_ = std::move(composed);
    clipselected_ = true;
}

void DrawingEngine::clearClipSelection()
{
    clipselected_ = false;
    Mainclip_ = blankClip();
}

void DrawingEngine::dropClipSelection()
{
    clearClipSelection();
    controls_.floatingClipVisible = false;
    controls_.padCursor = CursorSlot::kNoEdit;
}

bool DrawingEngine::floatingClipShown() const
{
    return CurrentTool == Tool::tlClip && clipselected_ && controls_.floatingClipVisible;
}

// The pad hover of the clip tool: the floating clip centred on the pointer, the pointer hidden.
void DrawingEngine::hoverClip(raster::Point at)
{
    if (!clipselected_) {
        controls_.padCursor = CursorSlot::kNoEdit;
        return;
    }
    const raster::Point p{std::clamp(at.x, 0, kPadWidth - 1), std::max(at.y, 0)};
    MainclipAt_ = {p.x - kClipSize / 2, p.y - kClipSize / 2};
    controls_.floatingClipVisible = true;
    controls_.padCursor = CursorSlot::kHidden;
}

raster::Rect DrawingEngine::MainclipClick()
{
    if (!clipselected_)
        return {};
    // Save, Print and Clear come on as for every other change: a picture of stamps alone is a
    // picture the child may want to print.
    document_.MarkChanged();
    const raster::Rect changed = StampClip(document_.picture, document_.lineArt, Mainclip_, MainclipAt_);
    document_.RecordUndoStep();
    return changed;
}

}  // namespace dabwick
