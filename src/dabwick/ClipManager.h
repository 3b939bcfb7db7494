#pragma once

#include <optional>
#include <string>
#include <vector>

#include "raster/Bitmap.h"

namespace dabwick {

class ClipMaker;
class Prompts;

// The clip manager without its window: the child's own clips read from their folder, the
// preview of the chosen one, deleting, and preparing the clip maker for a new clip, an edit
// or a copy. Nothing is kept between showings: the list is read from disk every time.
class ClipManager {
public:
    ClipManager();

    // The child's "user's clips" folder, ending in '/'.
    void setFolder(std::string folder) { folder_ = std::move(folder); }

    // Reads the folder again and chooses the first clip. With no clips, the preview keeps
    // what it showed.
    void RefreshClipList();
    // lbClips: each file name without its last four characters, in the order of the files.
    const std::vector<std::string>& clipNames() const { return names_; }
    std::optional<std::size_t> selected() const { return selected_; }
    // Edit, Copy and Delete need a clip.
    bool haveClips() const { return !files_.empty(); }
    // A click or a keyboard move in the list.
    void lbClipsClick(std::size_t index);
    // The chosen clip at its own size over maroon, its background colour shown as maroon too.
    const raster::Bitmap& preview() const { return preview_; }

    // Each prepares the maker's caption, ClipName and picture before the window shows it.
    void btnNewClick(ClipMaker& maker) const;
    // Load the chosen clip into the maker; false, after a warning, when it cannot be read.
    bool btnEditClick(ClipMaker& maker, Prompts& prompts) const;
    bool btnCopyClick(ClipMaker& maker, Prompts& prompts) const;
    // Asks first. A clip that cannot be deleted simply stays in the list.
    void btnDeleteClick(Prompts& prompts);

private:
    std::string selectedName() const { return selected_ ? names_[*selected_] : std::string(); }
    std::string selectedFile() const { return selected_ ? folder_ + files_[*selected_] : std::string(); }
    bool loadSelected(ClipMaker& maker, Prompts& prompts) const;

    std::string folder_;
    std::vector<std::string> files_;  // lbfiles
    std::vector<std::string> names_;
    std::optional<std::size_t> selected_;
    raster::Bitmap preview_;
};

}  // namespace dabwick
