#pragma once

#include <optional>
#include <string>
#include <vector>

#include "raster/Bitmap.h"

namespace dabwick {

class Prompts;

enum class ChooserMode { ChildPictures = 1, ColouringPages = 2 };

// What the picture chooser lists and shows: the picture files of one folder, sorted by name
// without regard to case, each shown without its last four characters, with a preview of
// the selected one and, for the child's own pictures, deleting on request.
class PictureChooser {
public:
    PictureChooser(ChooserMode mode, std::string folder, std::string mask);

    // Reads the folder again; selects the first picture when there is one.
    void reread();
    const std::vector<std::string>& titles() const { return titles_; }
    bool empty() const { return files_.empty(); }
    std::optional<std::size_t> selected() const { return selected_; }
    void select(std::size_t index);
    // Full path of the selected file, or empty.
    std::string selectedPath() const;

    // The selected picture as the chooser previews it (660 by 444), or nothing when it has no
    // preview: a child's picture shows its top half, a colouring page its line art.
    std::optional<raster::Bitmap> preview() const;

    // Asks, then deletes the selected picture and its ".bmp" copy and reads the folder again.
    void deleteSelected(Prompts& prompts);

    ChooserMode mode() const { return mode_; }

private:
    ChooserMode mode_;
    std::string folder_;
    std::string mask_;
    std::vector<std::string> files_;
    std::vector<std::string> titles_;
    std::optional<std::size_t> selected_;
};

}  // namespace dabwick
