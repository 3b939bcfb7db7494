#pragma once

#include <string>

#include "raster/Bitmap.h"

namespace dabwick {

class PictureDocument;
class Prompts;

// Copies the source as two-tone line art: pure black stays black, every other pixel turns
// white. Pixels that fall outside the destination are dropped.
void CopyAsLineArt(raster::Bitmap& destination, int xOffset, const raster::Bitmap& source, int yOffset);

// How a load ended. A picture of the wrong size still counts as a finished load (the pad stays
// blank and Print comes on); a file the bitmap reader refuses ends the load at its warning.
enum class LoadOutcome { Loaded, WrongSize, Unreadable };

// Loads a colouring page (660 by 444, any bitmap file) as pure line art into both layers, or a
// child's picture (".dwb", 660 by 888: the picture above its line art). The document is reset
// first, so a file that cannot be used leaves a blank pad; the child is told why, and nothing
// on disk changes.
class PictureLoader {
public:
    PictureLoader(PictureDocument& document, Prompts& prompts) : document_(document), prompts_(prompts) {}

    LoadOutcome LoadPageFile(const std::string& path);
    LoadOutcome LoadPictureFile(const std::string& path);

private:
    // Reads the file and checks its size; on failure warns and says why in `outcome`.
    raster::Bitmap readPicture(const std::string& path, int width, int height, LoadOutcome& outcome);
    void finishLoad(const std::string& path);

    PictureDocument& document_;
    Prompts& prompts_;
};

// The name a picture file shows: its file name without the folder and the last four characters.
std::string pictureNameOf(const std::string& path);

}  // namespace dabwick
