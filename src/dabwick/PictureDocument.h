#pragma once

#include <cstdint>
#include <string>

#include "dabwick/UndoHistory.h"
#include "raster/Bitmap.h"

namespace dabwick {

inline constexpr int kPadWidth = 660;
inline constexpr int kPadHeight = 444;

enum class PictureKind : std::int32_t { NewDrawing = 0, ColouringPage = 1, ChildPicture = 2 };

// Enabled states of the main window's document buttons; the window copies them onto its
// widgets after every handler.
struct DocumentButtons {
    bool save = false;
    bool print = false;
    bool clear = false;
    bool undo = false;
    friend bool operator==(const DocumentButtons&, const DocumentButtons&) = default;
};

// The picture being edited: the coloured picture the child sees, its line-art layer, its
// name, kind and flags, the undo history and the document buttons that follow from them.
class PictureDocument {
public:
    PictureDocument();

    // A blank picture with an empty history. Keeps the picture name and kind: callers set those.
    void ResetPicture();
    // "Draw": a new blank drawing named "Untitled"; Print and Clear go off as well.
    void StartNewDrawing();
    // Called after every change a tool makes (the outline pass excepted): the picture now
    // differs from its saved state, so Save, Print and Clear come on.
    void MarkChanged();
    // Records the state after a completed change.
    void RecordUndoStep();
    // Steps back one change; when every recorded change of an unoverflowed history is undone,
    // the picture counts as unchanged again.
    void UndoLastChange();
    // After a successful save under that name.
    void MarkSaved(const std::string& name);

    std::string caption() const { return caption_; }
    void setCaptionName(const std::string& name) { caption_ = "Picture name: {" + name + "}"; }

    raster::Bitmap picture;
    raster::Bitmap lineArt;
    const raster::Bitmap blank;
    std::string pictureName;
    PictureKind kind = PictureKind::NewDrawing;
    bool changed = false;
    bool loaded = false;
    bool skipReset = false;
    DocumentButtons buttons;
    UndoHistory history;

private:
    std::string caption_ = "Picture name: {Untitled}";
};

}  // namespace dabwick
