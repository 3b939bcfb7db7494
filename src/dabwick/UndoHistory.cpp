#include "dabwick/UndoHistory.h"

namespace dabwick {

void UndoHistory::reset(const raster::Bitmap& blank)
{
    // Only slot 1 can be read back before it is written again; the others hold nothing until
    // a change is recorded in them, which keeps ten pictures out of memory at start-up.
    for (Slot& s : slots_)
        s = Slot {};
    slot(1) = Slot {blank, blank};
    nextSlot_ = 2;
    count_ = 0;
}

void UndoHistory::setFirstState(const raster::Bitmap& picture, const raster::Bitmap& lineArt)
{
    slot(1).picture = picture;
    slot(1).lineArt = lineArt;
}

void UndoHistory::record(const raster::Bitmap& picture, const raster::Bitmap& lineArt)
{
    slot(nextSlot_).picture = picture;
    slot(nextSlot_).lineArt = lineArt;
    nextSlot_ = nextSlot_ % kSlots + 1;
    if (++count_ == kSlots) {
        historyFlag_ = false;
        count_ = kSlots - 1;
    }
}

void UndoHistory::stepBack(raster::Bitmap& picture, raster::Bitmap& lineArt)
{
    // The slot two before the next one holds the state before the last change.
    const int previous = (nextSlot_ + kSlots - 3) % kSlots + 1;
    picture = slot(previous).picture;
    lineArt = slot(previous).lineArt;
    nextSlot_ = nextSlot_ == 1 ? kSlots : nextSlot_ - 1;
    --count_;
}

}  // namespace dabwick
