#include "dabwick/ClipManager.h"

#include <cstdio>

#include "dabwick/ClipMaker.h"
#include "dabwick/Names.h"
#include "dabwick/Prompts.h"
#include "raster/BmpCodec.h"

namespace dabwick {

ClipManager::ClipManager()
    : preview_(kClipSide, kClipSide, kMaroon)
{
}

void ClipManager::RefreshClipList()
{
    files_ = listFolder(folder_, "*.dwc*", EntryKind::Files);
    names_.clear();
    for (const std::string& file : files_)
        names_.push_back(file.substr(0, file.size() < 4 ? 0 : file.size() - 4));
    selected_.reset();
    if (!files_.empty())
        lbClipsClick(0);
}

void ClipManager::lbClipsClick(std::size_t index)
{
    if (index >= files_.size())
        return;
    selected_ = index;
    // A file gone from the folder since it was listed leaves the preview as it was.
    if (!existsIgnoringCase(selectedFile()))
        return;
    const raster::BmpResult<raster::Bitmap> clip = raster::readBmpFile(selectedFile());
    preview_ = clip ? shownOnMaroon(*clip.value) : raster::Bitmap(kClipSide, kClipSide, kMaroon);
}

void ClipManager::btnNewClick(ClipMaker& maker) const
{
    maker.ClipName = kNoClipName;
    maker.caption = "New Clip";
    maker.editedFile.clear();
    maker.startBlank();
}

bool ClipManager::loadSelected(ClipMaker& maker, Prompts& prompts) const
{
    const raster::BmpResult<raster::Bitmap> clip = raster::readBmpFile(selectedFile());
    if (!clip) {
        prompts.ShowWarning("Clip error", "The clip \"" + selectedName() + "\" can not be loaded:\n" + clip.error);
        return false;
    }
    maker.startFrom(*clip.value);
    return true;
}

bool ClipManager::btnEditClick(ClipMaker& maker, Prompts& prompts) const
{
    if (!selected_ || !loadSelected(maker, prompts))
        return false;
    maker.caption = selectedName();
    maker.ClipName = maker.caption;
    maker.editedFile = selectedFile();
    return true;
}

bool ClipManager::btnCopyClick(ClipMaker& maker, Prompts& prompts) const
{
    if (!selected_ || !loadSelected(maker, prompts))
        return false;
    maker.caption = "Copy of (" + selectedName() + ")";
    maker.ClipName = kNoClipName;
    maker.editedFile.clear();
    return true;
}

void ClipManager::btnDeleteClick(Prompts& prompts)
{
    if (!selected_)
        return;
    if (!prompts.AskYesNo(selectedName(),
            "You are about to remove this clip from your\n"
            "folder. Once removed it will be gone forever!\n"
            "Are you sure you want to remove this clip?\n\n"
            "If you are not sure what to do, click NO."))
        return;
    std::remove(selectedFile().c_str());
    RefreshClipList();
}

}  // namespace dabwick
