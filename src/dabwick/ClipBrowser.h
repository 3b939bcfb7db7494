#pragma once

#include <array>
#include <string>
#include <vector>

#include "dabwick/ClipPicture.h"
#include "raster/Bitmap.h"

// The clip browser beside the pad while the clip tool is chosen: a category, its clips five at a
// time in slots, paging, selecting one for the floating clip, and turning the selected clip.
//
// A category is a folder of "*.dwc" files under "Clips", the child's "user's clips" folder, or
// "<Text>", the lettering clips read straight from the program's resources. The selected clip
// lives in the drawing engine, which stamps it; the browser composes it and hands it over.
namespace dabwick {

class DrawingEngine;
class Prompts;
class ResourceTable;

inline constexpr int kClipSlots = 5;
inline constexpr const char* kTextCategory = "<Text>";
inline constexpr const char* kUserClipsCategory = "<User's clips>";
inline constexpr const char* kEmptySlot = "Empty";
inline constexpr int kLetteringClips = 61;

// One of the five slots: the slot image `clipN` and the caption of its panel `panclipN`.
struct ClipSlot {
    raster::Bitmap picture = blankClip();
    std::string caption = kEmptySlot;  // empty exactly while the slot holds a clip
    std::string hint;                  // the clip's name, for folder categories

    bool holdsClip() const { return caption.empty(); }
};

class ClipBrowser {
public:
    ClipBrowser(DrawingEngine& engine, const ResourceTable& resources, Prompts& prompts, std::string dataFolder);

    // The signed-in child's folder, ending in '/': its "user's clips" is the user's category.
    void setUserFolder(std::string folder) { userFolder_ = std::move(folder); }

    // The category list `cbclips`: "<Text>", "<User's clips>", then the folder categories.
    const std::vector<std::string>& categories() const { return categories_; }
    void setFolderCategories(const std::vector<std::string>& folders);
    const std::string& categoryText() const { return categoryText_; }

    // Every change of the category text, picked or typed, loads that category.
    void cbclipsChange(const std::string& text);
    // Page 1 of the current category, nothing selected. Also run when the clip manager closes.
    void LoadClipCategory();
    // Fills the five slots from `firstclip` on.
    void ShowClipPage();
    void BitBtn2Click();  // next five
    void BitBtn3Click();  // back five
    // Selects the clip of slot 1 to 5; an "Empty" slot does nothing.
    void clipClick(int slot);
    void btnflipudClick() { turnSelected(ClipTurn::FlipTopToBottom); }
    void btnfliplrClick() { turnSelected(ClipTurn::FlipLeftToRight); }
    void btnrotateClick() { turnSelected(ClipTurn::Rotate); }

    const std::array<ClipSlot, kClipSlots>& pageSlots() const { return slots_; }
    // The screen cursor of slot 1 to 5: the hand over a clip, "delete" over an empty slot.
    int slotCursor(int slot) const;
    const std::vector<std::string>& lbclips() const { return lbclips_; }
    int firstclip() const { return firstclip_; }
    bool nextEnabled() const { return nextEnabled_; }
    bool backEnabled() const { return backEnabled_; }
    // The preview `impreviewclip` and the caption of `panselected`: "None" until a clip is selected.
    const raster::Bitmap& preview() const;
    std::string selectedCaption() const;

private:
    void showLetteringPage();
    void showFolderPage();
    // Loads slot k's file; false when the file is no bitmap, which ends the page there.
    bool fillSlotFromFile(ClipSlot& slot, const std::string& fileName);
    std::string categoryFolder() const;
    void turnSelected(ClipTurn turn);

    DrawingEngine& engine_;
    const ResourceTable& resources_;
    Prompts& prompts_;
    std::string dataFolder_;
    std::string userFolder_;
    std::vector<std::string> categories_;
    std::string categoryText_ = kTextCategory;
    std::string folder_;  // the directory `lbclips` lists, for folder categories
    std::vector<std::string> lbclips_;
    int firstclip_ = 0;
    bool nextEnabled_ = true;
    bool backEnabled_ = false;
    std::array<ClipSlot, kClipSlots> slots_;
};

}  // namespace dabwick
