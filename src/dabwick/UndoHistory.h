#pragma once

#include <array>

#include "raster/Bitmap.h"

namespace dabwick {

// Six slots of whole copies of the picture and its line-art layer, used as a ring: the slot
// before the next one holds the current state and up to five earlier states lie before it.
class UndoHistory {
public:
    static constexpr int kSlots = 6;

    // Slot 1 holds the blank picture; the next record goes to slot 2, nothing to undo.
    void reset(const raster::Bitmap& blank);
    // A loaded picture becomes the state that undo returns to (slot 1).
    void setFirstState(const raster::Bitmap& picture, const raster::Bitmap& lineArt);
    // Records the state after a completed change. When the ring overflows, the oldest
    // reachable state is no longer the started picture, which clears the history flag.
    void record(const raster::Bitmap& picture, const raster::Bitmap& lineArt);
    // Puts the state before the last change into picture and lineArt. Only with count() > 0.
    void stepBack(raster::Bitmap& picture, raster::Bitmap& lineArt);

    int nextSlot() const { return nextSlot_; }
    int count() const { return count_; }
    // True while undo can reach the picture as it was started or loaded. Lives for the whole
    // run: once any picture's history overflowed it stays clear until the program restarts.
    bool historyFlag() const { return historyFlag_; }
    void setHistoryFlag() { historyFlag_ = true; }

private:
    struct Slot {
        raster::Bitmap picture;
        raster::Bitmap lineArt;
    };
    Slot& slot(int number) { return slots_[std::size_t(number - 1)]; }

    std::array<Slot, kSlots> slots_;
    int nextSlot_ = 2;
    int count_ = 0;
    bool historyFlag_ = false;
};

}  // namespace dabwick
