#include "dabwick/ClipBrowser.h"

#include <algorithm>
#include <cstdio>

#include "dabwick/DrawingEngine.h"
#include "dabwick/FileRoutines.h"
#include "dabwick/Names.h"
#include "dabwick/Prompts.h"
#include "dabwick/Resources.h"
#include "raster/Blit.h"
#include "raster/BmpCodec.h"

namespace dabwick {

namespace {

std::string letteringName(int number)
{
    char name[8];
    std::snprintf(name, sizeof name, "text%02d", number);
    return name;
}

// The name a clip shows: its file name without the last four characters.
std::string clipNameOf(const std::string& fileName)
{
    return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

// Only typing gives these two old category names; they show blank slots and leave the captions.
bool retiredCategory(const std::string& text)
{
    return text == "<Border>" || text == "<Blocks>";
}

}  // namespace

ClipBrowser::ClipBrowser(DrawingEngine& engine, const ResourceTable& resources, Prompts& prompts, std::string dataFolder)
    : engine_(engine), resources_(resources), prompts_(prompts), dataFolder_(std::move(dataFolder)),
      categories_{kTextCategory, kUserClipsCategory}
{
}

void ClipBrowser::setFolderCategories(const std::vector<std::string>& folders)
{
    std::vector<std::string> sorted;
    for (const std::string& name : folders) {
        const auto sameName = [&name](const std::string& other) { return sameNameIgnoringCase(name, other); };
        // One folder per name: the lookups ignore case, so a second spelling would show the same clips.
        if (std::none_of(sorted.begin(), sorted.end(), sameName) && !sameName(kTextCategory)
            && !sameName(kUserClipsCategory))
            sorted.push_back(name);
    }
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });
    categories_ = {kTextCategory, kUserClipsCategory};
    categories_.insert(categories_.end(), sorted.begin(), sorted.end());
}

void ClipBrowser::cbclipsChange(const std::string& text)
{
    categoryText_ = text;
    LoadClipCategory();
}

std::string ClipBrowser::categoryFolder() const
{
    if (categoryText_ == kUserClipsCategory)
        return userFolder_.empty() ? std::string() : userFolder_ + "user's clips/";
    // A typed name is one folder inside "Clips", never a path that leads elsewhere.
    if (categoryText_.empty() || categoryText_ == "." || categoryText_ == ".."
        || categoryText_.find('/') != std::string::npos)
        return {};
    return dataFolder_ + "Clips/" + categoryText_ + "/";
}

void ClipBrowser::LoadClipCategory()
{
    engine_.dropClipSelection();
    lbclips_.clear();
    firstclip_ = 0;
    backEnabled_ = false;
    if (categoryText_ == kTextCategory) {
        for (int number = 1; number <= kLetteringClips; ++number)
            lbclips_.push_back(letteringName(number));
    } else {
        folder_ = categoryFolder();
        if (!folder_.empty() && CanWriteFolder(folder_))
            lbclips_ = listFolder(folder_, "*.dwc*", EntryKind::Files);
    }
    ShowClipPage();
    nextEnabled_ = lbclips_.size() > std::size_t(kClipSlots);
}

void ClipBrowser::ShowClipPage()
{
    for (ClipSlot& slot : slots_) {
        slot.picture = blankClip();
        slot.hint.clear();
    }
    if (categoryText_ == kTextCategory)
        showLetteringPage();
    else if (!retiredCategory(categoryText_))
        showFolderPage();
}

void ClipBrowser::showLetteringPage()
{
    for (int k = 0; k < kClipSlots; ++k) {
        const std::size_t i = std::size_t(firstclip_ + k);
        ClipSlot& slot = slots_[std::size_t(k)];
        slot.caption = i < lbclips_.size() ? "" : kEmptySlot;
        if (i >= lbclips_.size())
            continue;
        // A lettering clip the program lacks leaves its slot blank.
        if (const Resource* resource = resources_.find(lbclips_[i], "clip")) {
            if (const raster::BmpResult<raster::Bitmap> clipload = raster::readBmp(resource->bytes))
                raster::copyBitmap(slot.picture, {0, 0}, *clipload.value);
        }
    }
}

void ClipBrowser::showFolderPage()
{
    for (int k = 0; k < kClipSlots; ++k) {
        const std::size_t i = std::size_t(firstclip_ + k);
        ClipSlot& slot = slots_[std::size_t(k)];
        if (i >= lbclips_.size() || !existsIgnoringCase(folder_ + lbclips_[i])) {
            slot.caption = kEmptySlot;
            continue;
        }
        if (!fillSlotFromFile(slot, lbclips_[i]))
            return;
    }
}

bool ClipBrowser::fillSlotFromFile(ClipSlot& slot, const std::string& fileName)
{
    const raster::BmpResult<raster::Bitmap> clipload = raster::readBmpFile(resolveIgnoringCase(folder_ + fileName));
    if (!clipload) {
        prompts_.ShowWarning("Clip error", "The clip file \"" + fileName + "\" can not be loaded:\n" + clipload.error);
        return false;
    }
    if (!ClipIsValid(*clipload.value)) {
        slot.caption = kEmptySlot;
        return true;
    }
    raster::copyBitmap(slot.picture, {0, 0}, *clipload.value);
    slot.hint = clipNameOf(fileName);
    slot.caption.clear();
    return true;
}

int ClipBrowser::slotCursor(int slot) const
{
    const bool filled = slot >= 1 && slot <= kClipSlots && slots_[std::size_t(slot - 1)].holdsClip();
    return filled ? CursorSlot::kHand : CursorSlot::kDelete;
}

void ClipBrowser::BitBtn2Click()
{
    const int n = int(lbclips_.size());
    if (firstclip_ + kClipSlots <= n - 1) {
        firstclip_ += kClipSlots;
        ShowClipPage();
        backEnabled_ = true;
    }
    if (n - 1 < firstclip_ + kClipSlots)
        nextEnabled_ = false;
}

void ClipBrowser::BitBtn3Click()
{
    if (firstclip_ > 0) {
        firstclip_ -= kClipSlots;
        ShowClipPage();
        nextEnabled_ = true;
    }
    if (firstclip_ == 0)
        backEnabled_ = false;
}

void ClipBrowser::clipClick(int slot)
{
    if (slot < 1 || slot > kClipSlots || !slots_[std::size_t(slot - 1)].holdsClip())
        return;
    engine_.selectClip(composeClip(slots_[std::size_t(slot - 1)].picture));
}

void ClipBrowser::turnSelected(ClipTurn turn)
{
    if (engine_.clipselected())
        engine_.selectClip(turnClip(engine_.Mainclip(), turn));
}

const raster::Bitmap& ClipBrowser::preview() const
{
    return engine_.Mainclip();
}

std::string ClipBrowser::selectedCaption() const
{
    return engine_.clipselected() ? "" : "None";
}

}  // namespace dabwick
