#include "dabwick/AnimationPreparation.h"

#include <cstdint>

#include "dabwick/LayerPasses.h"
#include "dabwick/PixelBytes.h"
#include "dabwick/Prompts.h"

namespace dabwick {

namespace {

constexpr const char* kOutlineAddedText = "This picture contained colored areas that did not have a black \n"
                                          "outline. When you picture is animated it will appear with these\n"
                                          "outlines. This may cause animation to look slightly different\n"
                                          "than your pictue.";

}  // namespace

bool PictureHasColour(const raster::Bitmap& picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* p = picture.row(y);
        for (int x = 0; x < picture.width(); ++x, p += 3) {
            if (pixelbytes::isColoured(p))
                return true;
        }
    }
    return false;
}

PreparationResult PrepareAnimation(
    const raster::Bitmap& picture, PreparedAnimation& prepared, PreparationProgress& progress, Prompts& prompts)
{
    prepared.regions.clear();
    prepared.outline = picture;
    const bool outlineAdded = outlineColours(prepared.outline, nullptr, [&](int) {
        progress.processMessages();
        progress.stepBar();
    });
    progress.pause(400);
    prepared.regions = takeColouredRegions(prepared.outline, [&](int) { progress.stepBar(); });
    progress.pause(500);
    progress.setBar(950);
    progress.pause(1500);
    progress.setBar(1000);
    progress.pause(1000);

    if (progress.aborted())
        return PreparationResult::Aborted;
    if (prepared.regions.empty()) {
        prompts.ShowWarning(kAnimationErrorCaption, kNotColouredText);
        return PreparationResult::NoRegion;
    }
    if (outlineAdded)
        prompts.ShowNotice(kOutlineAddedText);
    return PreparationResult::Ready;
}

}  // namespace dabwick
