#include "dabwick/PictureChooser.h"

#include <algorithm>
#include <filesystem>

#include "dabwick/Names.h"
#include "dabwick/PictureDocument.h"
#include "dabwick/PictureLoader.h"
#include "dabwick/Prompts.h"
#include "raster/Blit.h"
#include "raster/BmpCodec.h"

namespace dabwick {

namespace {

// A file's name as the list shows it: without its last four characters (".dwb", ".dwp").
std::string titleOf(const std::string& file)
{
    return file.size() > 4 ? file.substr(0, file.size() - 4) : std::string();
}

}  // namespace

PictureChooser::PictureChooser(ChooserMode mode, std::string folder, std::string mask)
    : mode_(mode), folder_(std::move(folder)), mask_(std::move(mask))
{
    reread();
}

void PictureChooser::reread()
{
    files_ = listFolder(folder_, mask_, EntryKind::Files);
    // By the names the child sees, so "Santa" comes before "Santa's helpers".
    std::stable_sort(files_.begin(), files_.end(),
                     [](const std::string& a, const std::string& b) { return lessIgnoringCase(titleOf(a), titleOf(b)); });
    titles_.clear();
    for (const std::string& file : files_)
        titles_.push_back(titleOf(file));
    selected_.reset();
    if (!files_.empty())
        selected_ = 0;
}

void PictureChooser::select(std::size_t index)
{
    if (index < files_.size())
        selected_ = index;
}

std::string PictureChooser::selectedPath() const
{
    return selected_ ? resolveIgnoringCase(folder_) + files_[*selected_] : std::string();
}

std::optional<raster::Bitmap> PictureChooser::preview() const
{
    if (!selected_)
        return std::nullopt;
    const auto read = raster::readBmpFile(selectedPath());
    if (!read)
        return std::nullopt;
    const raster::Bitmap& file = *read.value;
    raster::Bitmap shown(kPadWidth, kPadHeight);
    if (mode_ == ChooserMode::ChildPictures && file.width() == kPadWidth && file.height() == kPadHeight * 2) {
        raster::copyBitmap(shown, {0, 0}, file);
        return shown;
    }
    if (mode_ == ChooserMode::ColouringPages && file.width() == kPadWidth && file.height() == kPadHeight) {
        CopyAsLineArt(shown, 0, file, 0);
        return shown;
    }
    return std::nullopt;
}

void PictureChooser::deleteSelected(Prompts& prompts)
{
    const std::string path = selectedPath();
    std::error_code ec;
    if (!path.empty() && std::filesystem::exists(path, ec)
        && prompts.AskYesNo("Delete file",
                            "You are about to remove this picture from your\nfolder. Once removed it will be gone "
                            "forever!\nAre you sure you want to remove this picture?\n\nIf you are not sure what to "
                            "do, click NO.")) {
        std::filesystem::remove(path, ec);
        std::filesystem::remove(resolveIgnoringCase(path.substr(0, path.size() - 4) + ".bmp"), ec);
    }
    reread();
}

}  // namespace dabwick
