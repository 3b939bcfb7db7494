#include "dabwick/PictureLoader.h"

#include "dabwick/PictureDocument.h"
#include "dabwick/Prompts.h"
#include "raster/Blit.h"
#include "raster/BmpCodec.h"

namespace dabwick {

void CopyAsLineArt(raster::Bitmap& destination, int xOffset, const raster::Bitmap& source, int yOffset)
{
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (!destination.contains(x + xOffset, y + yOffset))
                continue;
            const bool line = source.pixel(x, y) == raster::kBlack;
            destination.setPixel(x + xOffset, y + yOffset, line ? raster::kBlack : raster::kWhite);
        }
    }
}

std::string pictureNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    return file.size() > 4 ? file.substr(0, file.size() - 4) : std::string();
}

raster::Bitmap PictureLoader::readPicture(const std::string& path, int width, int height, LoadOutcome& outcome)
{
    const raster::BmpResult<raster::Bitmap> read = raster::readBmpFile(path);
    outcome = LoadOutcome::Unreadable;
    if (!read) {
        // Our own mend: a file the bitmap reader refuses names the picture and says why.
        prompts_.ShowWarning("Picture error", "The picture \"" + pictureNameOf(path) + "\" can not be loaded:\n"
                                                  + read.error);
        return {};
    }
    outcome = LoadOutcome::WrongSize;
    if (read.value->width() != width || read.value->height() != height) {
        prompts_.ShowWarning("Invalid size error", "NOTICE: The picture selected has an invalid size and can not be loaded!");
        return {};
    }
    outcome = LoadOutcome::Loaded;
    return *read.value;
}

void PictureLoader::finishLoad(const std::string& path)
{
    document_.history.setFirstState(document_.picture, document_.lineArt);
    document_.pictureName = pictureNameOf(path);
    document_.setCaptionName(document_.pictureName);
}

LoadOutcome PictureLoader::LoadPageFile(const std::string& path)
{
    document_.ResetPicture();
    LoadOutcome outcome;
    const raster::Bitmap page = readPicture(path, kPadWidth, kPadHeight, outcome);
    if (outcome != LoadOutcome::Loaded)
        return outcome;
    CopyAsLineArt(document_.lineArt, 0, page, 0);
    document_.picture = document_.lineArt;
    document_.kind = PictureKind::ColouringPage;
    finishLoad(path);
    return LoadOutcome::Loaded;
}

LoadOutcome PictureLoader::LoadPictureFile(const std::string& path)
{
    document_.ResetPicture();
    LoadOutcome outcome;
    const raster::Bitmap combined = readPicture(path, kPadWidth, kPadHeight * 2, outcome);
    if (outcome != LoadOutcome::Loaded)
        return outcome;
    document_.picture = raster::cropped(combined, raster::Rect::fromSize(kPadWidth, kPadHeight));
    document_.lineArt = raster::cropped(combined, {0, kPadHeight, kPadWidth, kPadHeight * 2});
    document_.kind = PictureKind::ChildPicture;
    finishLoad(path);
    return LoadOutcome::Loaded;
}

}  // namespace dabwick
