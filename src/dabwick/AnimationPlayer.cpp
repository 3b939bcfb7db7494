#include "dabwick/AnimationPlayer.h"

#include <cmath>

#include "dabwick/Music.h"
#include "raster/Brush.h"
#include "raster/FloodFill.h"

namespace dabwick {

namespace {

// The whole picture takes about this long when the pace allows it.
constexpr double kRunMilliseconds = 31000;
constexpr double kShortestInterval = 175;

}  // namespace

AnimationPace PaceFor(std::size_t regionCount)
{
    if (regionCount == 0)
        return {};
    const double n = double(regionCount);
    double interval = 0;
    for (double k = 1;; ++k) {
        interval = kRunMilliseconds / (n / k) + 1;
        if (interval >= kShortestInterval)
            break;
    }
    const int full = int(std::nearbyint(interval));  // the default rounding: halves go to the even neighbour
    return {full, full / 2};
}

AnimationPlayer::AnimationPlayer(Music& music, std::uint32_t seed)
    : music_(music)
    , random_(seed)
{
}

void AnimationPlayer::FormShow(const std::string& musicFile)
{
    music_.setFileName(musicFile);
    implay_ = prepared.outline;
    music_.open();
    stopLooping_ = false;
    musicEndedInRun_ = false;
    startEnabled_ = true;
    SpeedButton2Click();
}

void AnimationPlayer::SpeedButton2Click()
{
    if (timerRunning_)
        return;
    startEnabled_ = false;
    implay_ = prepared.outline;
    remaining_ = prepared.regions;
    if (remaining_.empty())
        return;
    const AnimationPace pace = PaceFor(remaining_.size());
    fullInterval_ = pace.fullInterval;
    timerInterval_ = pace.firstTick;
    timerRunning_ = true;
    if (musicDown_) {
        stopLooping_ = false;
        playMusic();
    }
}

raster::Rect AnimationPlayer::Timer1Timer(const std::function<void()>& processMessages)
{
    if (!timerRunning_ || remaining_.empty())
        return {};
    timerInterval_ = fullInterval_;
    std::uniform_int_distribution<std::size_t> pick(0, remaining_.size() - 1);
    const auto chosen = remaining_.begin() + std::ptrdiff_t(pick(random_));
    const raster::Brush paint(chosen->colour, raster::BrushStyle::Solid);
    const raster::Rect changed = raster::floodFillBorder(implay_, paint, chosen->seed, raster::kBlack);
    remaining_.erase(chosen);
    if (remaining_.empty()) {
        stopLooping_ = true;
        timerRunning_ = false;
        if (processMessages)
            processMessages();
        // The tune plays out to its end first, unless there is no tune to wait for.
        if (musicEndedInRun_ || !musicDown_ || !musicPlaying_)
            startEnabled_ = true;
    }
    return changed;
}

void AnimationPlayer::btnMusicClick(bool down)
{
    musicDown_ = down;
    if (!down) {
        stopLooping_ = true;
        stopMusic();
        return;
    }
    if (!timerRunning_)
        return;  // the next start plays it
    musicEndedInRun_ = false;
    ++playNumber_;
    music_.stop();
    music_.rewind();
    stopLooping_ = false;
    playMusic();
}

void AnimationPlayer::FormClose()
{
    timerRunning_ = false;
    stopLooping_ = true;
    ++playNumber_;
    music_.stop();
    music_.close();
    musicPlaying_ = false;
}

void AnimationPlayer::playMusic()
{
    const unsigned number = ++playNumber_;
    musicPlaying_ = music_.play([this, number] {
        if (number == playNumber_)
            mpopenNotify();
    });
}

void AnimationPlayer::stopMusic()
{
    ++playNumber_;
    music_.stop();
    if (musicPlaying_)
        mpopenNotify();
}

void AnimationPlayer::mpopenNotify()
{
    musicPlaying_ = false;
    if (!stopLooping_)
        playMusic();
    else if (!timerRunning_)
        startEnabled_ = true;
    else
        musicEndedInRun_ = true;
}

}  // namespace dabwick
