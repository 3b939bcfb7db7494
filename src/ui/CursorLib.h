#pragma once

#include <QCursor>

#include <array>
#include <cstddef>
#include <optional>

#include "dabwick/DrawingEngine.h"
#include "dabwick/Resources.h"

// The screen cursor slots beside the ones the drawing engine and the clip browser show: the clip
// maker's and those that are loaded but never shown.
namespace dabwick::CursorSlot {
inline constexpr int kPen = 3;
inline constexpr int kBrush = 4;
inline constexpr int kSpray = 9;
inline constexpr int kRoller = 10;
inline constexpr int kMagnify = 12;
inline constexpr int kZoomIn = 13;
inline constexpr int kZoomOut = 14;
inline constexpr int kGrab = 15;
inline constexpr int kMove = 16;
inline constexpr int kPickUp = 17;
inline constexpr int kDrop = 18;
inline constexpr int kMultiDrop = 19;
inline constexpr int kEdit = 20;
inline constexpr int kProps = 22;
inline constexpr int kLine = 24;
inline constexpr int kFillSolid = 25;
inline constexpr int kFillDownLeft = 26;
inline constexpr int kFillDownRight = 27;
inline constexpr int kFillCrossDiagonal = 28;
inline constexpr int kFillCross = 29;
inline constexpr int kFillHorizontal = 30;
inline constexpr int kFillVertical = 31;
inline constexpr int kMoveUp = 40;
inline constexpr int kMoveUpRight = 41;
inline constexpr int kMoveRight = 42;
inline constexpr int kMoveDownRight = 43;
inline constexpr int kMoveDown = 44;
inline constexpr int kMoveDownLeft = 45;
inline constexpr int kMoveLeft = 46;
inline constexpr int kMoveUpLeft = 47;
}  // namespace dabwick::CursorSlot

// A "CURSOR" resource keeps a cursor's picture and its hot spot together, so neither can be moved
// without the other: byte 0 is the hot spot's x and byte 1 its y, in pixels from the top-left
// corner, and from byte 2 on a PNG of the 32 by 32 picture with alpha. The asset tool writes these
// from the drawings in assets/cursors/; the screen cursor table reads them.
inline constexpr int kCursorSize = 32;
inline constexpr std::size_t kCursorPngAt = 2;

struct NamedCursor {
    int slot;
    const char* name;
    // Where the drawing acts: the pencil's tip, the bucket's pour, the arrow's point.
    int hotX;
    int hotY;
};

// Every named cursor, in the order they are loaded: slot order, except that "replace" comes
// before "nopick". The hot spots go into the resources with the pictures they belong to.
inline constexpr std::array<NamedCursor, 47> kNamedCursors = {{
    {dabwick::CursorSlot::kHand, "hand", 12, 1},
    {dabwick::CursorSlot::kDraw, "draw", 13, 23},
    {dabwick::CursorSlot::kPen, "pen", 2, 29},
    {dabwick::CursorSlot::kBrush, "brush", 2, 29},
    {dabwick::CursorSlot::kCrayon, "crayon", 8, 21},
    {dabwick::CursorSlot::kMarker, "marker", 5, 24},
    {dabwick::CursorSlot::kEraser, "eraser", 7, 14},
    {dabwick::CursorSlot::kFill, "fill", 8, 20},
    {dabwick::CursorSlot::kSpray, "spray", 6, 6},
    {dabwick::CursorSlot::kRoller, "roller", 12, 5},
    {dabwick::CursorSlot::kPick, "pick", 0, 15},
    {dabwick::CursorSlot::kMagnify, "magnify", 11, 11},
    {dabwick::CursorSlot::kZoomIn, "zoomin", 11, 11},
    {dabwick::CursorSlot::kZoomOut, "zoomout", 11, 11},
    {dabwick::CursorSlot::kGrab, "grab", 15, 15},
    {dabwick::CursorSlot::kMove, "move", 15, 15},
    {dabwick::CursorSlot::kPickUp, "pickup", 0, 0},
    {dabwick::CursorSlot::kDrop, "drop", 0, 0},
    {dabwick::CursorSlot::kMultiDrop, "multidrop", 0, 0},
    {dabwick::CursorSlot::kEdit, "edit", 0, 0},
    {dabwick::CursorSlot::kNoEdit, "noedit", 0, 0},
    {dabwick::CursorSlot::kProps, "props", 0, 0},
    {dabwick::CursorSlot::kDelete, "delete", 0, 0},
    {dabwick::CursorSlot::kLine, "line", 15, 15},
    {dabwick::CursorSlot::kFillSolid, "fills", 2, 13},
    {dabwick::CursorSlot::kFillDownLeft, "filldl", 2, 13},
    {dabwick::CursorSlot::kFillDownRight, "filldr", 2, 13},
    {dabwick::CursorSlot::kFillCrossDiagonal, "fillcd", 2, 13},
    {dabwick::CursorSlot::kFillCross, "fillc", 2, 13},
    {dabwick::CursorSlot::kFillHorizontal, "fillh", 2, 13},
    {dabwick::CursorSlot::kFillVertical, "fillv", 2, 13},
    {dabwick::CursorSlot::kCircle, "circle", 9, 9},
    {dabwick::CursorSlot::kSquare, "square", 9, 9},
    {dabwick::CursorSlot::kRoundRect, "rndrect", 9, 9},
    {dabwick::CursorSlot::kLine2, "line2", 9, 9},
    {dabwick::CursorSlot::kNoFill, "nofill", 2, 13},
    {dabwick::CursorSlot::kNoReplace, "noreplace", 1, 17},
    {dabwick::CursorSlot::kReplace, "replace", 1, 17},
    {dabwick::CursorSlot::kNoPick, "nopick", 0, 15},
    {dabwick::CursorSlot::kMoveUp, "moveu", 15, 15},
    {dabwick::CursorSlot::kMoveUpRight, "moveur", 15, 15},
    {dabwick::CursorSlot::kMoveRight, "mover", 15, 15},
    {dabwick::CursorSlot::kMoveDownRight, "movedr", 15, 15},
    {dabwick::CursorSlot::kMoveDown, "moved", 15, 15},
    {dabwick::CursorSlot::kMoveDownLeft, "movedl", 15, 15},
    {dabwick::CursorSlot::kMoveLeft, "movel", 15, 15},
    {dabwick::CursorSlot::kMoveUpLeft, "moveul", 15, 15},
}};

// The screen cursor table: slot 0 the arrow, -1 no cursor, 1 to 47 the named cursors.
class ScreenCursors {
public:
    // Takes every named cursor that `resources` holds in the format above for its slot. Each is
    // read when first asked for, so that the start-up does not wait for 47 pictures; one it
    // lacks or cannot read leaves its slot at the arrow. The resources must outlive the table.
    void load(const dabwick::ResourceTable& resources);
    // The arrow for any slot outside the table. Needs the application object: a cursor
    // picture is a pixmap.
    QCursor cursor(int slot) const;

private:
    std::array<const dabwick::Resource*, kNamedCursors.size() + 1> resources_ = {};
    mutable std::array<std::optional<QCursor>, kNamedCursors.size() + 1> slots_;
};

// Gives the program's screen cursor table the built-in resources; later calls do nothing.
// Runs at start, once the application object exists and before any window is created.
void RegisterCursors();
// The program's cursor of a slot, as ScreenCursors::cursor.
QCursor screenCursor(int slot);
