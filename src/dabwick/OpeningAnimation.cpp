#include "dabwick/OpeningAnimation.h"

#include <algorithm>

#include "dabwick/Resources.h"
#include "raster/BmpCodec.h"
#include "raster/Brush.h"
#include "raster/FloodFill.h"

namespace dabwick {

OpeningAnimation::OpeningAnimation(raster::Bitmap drawing, const OpeningTable& table, std::uint64_t randomSeed)
    : drawing_(std::move(drawing))
    , picture_(drawing_)
    , table_(table)
    , random_(randomSeed)
{
}

std::optional<OpeningAnimation> OpeningAnimation::builtIn(const ResourceTable& resources, std::uint64_t randomSeed)
{
    const Resource* drawing = resources.find("opening", "image");
    const Resource* regions = resources.find("openingregions", "table");
    if (!drawing || !regions)
        return std::nullopt;
    auto picture = raster::readBmp(drawing->bytes);
    std::optional<OpeningTable> table = decodeOpeningTable(regions->bytes);
    if (!picture || !table)
        return std::nullopt;
    for (int e = 0; e < kOpeningEntries; ++e) {
        if (!picture.value->contains(table->seedX[std::size_t(e)], table->seedY[std::size_t(e)]))
            return std::nullopt;
    }
    return OpeningAnimation(std::move(*picture.value), *table, randomSeed);
}

int OpeningAnimation::pickScheme()
{
    return std::uniform_int_distribution<int>(0, kOpeningSchemes - 1)(random_);
}

void OpeningAnimation::start(int scheme)
{
    scheme_ = std::clamp(scheme, 0, kOpeningSchemes - 1);
    picture_ = drawing_;
    lbcount_.clear();
    for (int e = 0; e < kOpeningEntries; ++e)
        lbcount_.push_back(e);
}

std::optional<OpeningStep> OpeningAnimation::tick()
{
    if (lbcount_.empty())
        return std::nullopt;
    // The last position is out of reach while others wait, so the entry at the end goes last.
    const int n = int(lbcount_.size());
    const int p = n > 1 ? std::uniform_int_distribution<int>(0, n - 2)(random_) : 0;
    const int e = lbcount_[std::size_t(p)];
    lbcount_.erase(lbcount_.begin() + p);
    const std::size_t at = std::size_t(e);
    const raster::Brush brush(table_.colours[std::size_t(scheme_)][at], raster::BrushStyle::Solid);
    const raster::Rect changed
        = raster::floodFillBorder(picture_, brush, {table_.seedX[at], table_.seedY[at]}, raster::kBlack);
    return OpeningStep {e, changed};
}

}  // namespace dabwick
