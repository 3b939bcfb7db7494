#pragma once

#include <vector>

#include "dabwick/Regions.h"
#include "raster/Bitmap.h"

// Preparing a picture for the animation: every area the child coloured becomes one seed and one
// colour, and the player starts from a copy of the picture in which those areas are white (the
// outline picture) and fills them back one by one. Differently coloured areas must therefore be
// parted by black lines; where they are not, preparation draws the missing lines into its copy
// and tells the child so.
namespace dabwick {

class Prompts;

inline constexpr const char* kAnimationErrorCaption = "Animation error";
inline constexpr const char* kNotColouredText = "This picture has not been colored! To show an\n"
                                                "animated picture, you must first color it before\n"
                                                "clicking the play button.";

// True when any pixel is coloured: neither pure black nor pure white.
bool PictureHasColour(const raster::Bitmap& picture);

// What preparation hands to the player.
struct PreparedAnimation {
    raster::Bitmap outline;  // the line drawing each run starts from
    std::vector<ColouredRegion> regions;  // in scan order of their seeds
};

// What the preparation window offers the work while it runs.
class PreparationProgress {
public:
    virtual ~PreparationProgress() = default;
    // Lets the window repaint and take a click on Abort; called once per row of the outline pass.
    virtual void processMessages() = 0;
    virtual void stepBar() = 0;
    virtual void setBar(int position) = 0;
    // A fixed pause that keeps the bar in view; input waits meanwhile.
    virtual void pause(int milliseconds) = 0;
    virtual bool aborted() const = 0;
};

enum class PreparationResult {
    Ready,  // the player may open
    NoRegion,  // the child was told; the preparation window must end as aborted
    Aborted,
};

// The whole preparation, once the window has been up for its two seconds: the outline pass and the
// region pass on a copy of the picture, the closing pauses and the one message that may follow.
// The bar runs from 0 to 1000.
PreparationResult PrepareAnimation(
    const raster::Bitmap& picture, PreparedAnimation& prepared, PreparationProgress& progress, Prompts& prompts);

}  // namespace dabwick
