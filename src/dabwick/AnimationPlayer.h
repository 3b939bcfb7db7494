#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "dabwick/AnimationPreparation.h"
#include "raster/Bitmap.h"
#include "raster/Geometry.h"

// The animation player: from the line drawing, one randomly chosen region after another is filled
// with its colour at a steady pace until the picture is complete, while a tune loops. The window
// calls the handlers below and then copies the timer and button state onto its controls.
//
// The music: while the animation runs, each end of the tune plays it again (unless stop-looping is
// set). Once the last region is filled the tune plays out to its end, and Start comes back then;
// with the music off, or when it could not play at all, Start comes back at once.
namespace dabwick {

class Music;

// The tick interval for a number of regions: the smallest k >= 1 for which
// 31000 / (regions / k) + 1 is at least 175 ms, rounded half to even; the first tick waits half.
struct AnimationPace {
    int fullInterval = 0;
    int firstTick = 0;
};
AnimationPace PaceFor(std::size_t regionCount);

class AnimationPlayer {
public:
    // `seed` drives the choice of the next region.
    AnimationPlayer(Music& music, std::uint32_t seed);

    // Filled by preparation; the player never changes it.
    PreparedAnimation prepared;

    void FormShow(const std::string& musicFile);
    void SpeedButton2Click();
    // One region filled; `processMessages` lets a waiting music notice in after the last one.
    // Returns the rectangle to repaint.
    raster::Rect Timer1Timer(const std::function<void()>& processMessages);
    void btnMusicClick(bool down);
    void FormClose();

    const raster::Bitmap& implay() const { return implay_; }
    std::size_t regionsLeft() const { return remaining_.size(); }
    bool timerRunning() const { return timerRunning_; }
    int timerInterval() const { return timerInterval_; }
    bool startEnabled() const { return startEnabled_; }
    bool musicDown() const { return musicDown_; }
    // From the settings, before the window shows.
    void setMusicDown(bool down) { musicDown_ = down; }

private:
    void playMusic();
    // Stops the tune. A stop cancels the play's notice, so the end of that play is handled here.
    void stopMusic();
    // A play of the tune has ended.
    void mpopenNotify();

    Music& music_;
    std::mt19937 random_;
    raster::Bitmap implay_;
    std::vector<ColouredRegion> remaining_;
    int fullInterval_ = 0;
    int timerInterval_ = 0;
    bool timerRunning_ = false;
    bool startEnabled_ = true;
    bool musicDown_ = true;
    bool musicPlaying_ = false;
    // Counts plays, so a notice that was already on its way when its play was stopped is dropped.
    unsigned playNumber_ = 0;
    bool stopLooping_ = false;
    bool musicEndedInRun_ = false;
};

}  // namespace dabwick
