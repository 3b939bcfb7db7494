#pragma once

#include <span>
#include <string>
#include <vector>

// The built-in clips: 104 clips in ten categories, kept as resources of type "clip" named by the
// category's prefix and the clip's number ("anima1" ... "anima18"), and written at start-up into
// one folder per category under "Clips" wherever a file is missing. The 61 lettering clips
// "text01" ... "text61" stay in the resources; the clip browser reads them from there.
namespace dabwick {

class ClipBrowser;
struct DataFolderContent;

struct ClipCategory {
    const char* folder;  // the folder under "Clips" and the name the category list shows
    const char* prefix;  // clip i of the category is resource prefix + i
    std::span<const char* const> clips;
};

// The folder of the clip categories inside the data folder.
inline constexpr const char* kClipFolder = "Clips/";
inline constexpr const char* kClipResourceType = "clip";

// The ten categories in the order their folders are made: Animals, Nature, Food, Shapes,
// Holidays, Blocks, Borders, Fences, Lines, House parts.
std::span<const ClipCategory> clipCategories();

// Start-up: makes the clip folders and writes every built-in clip whose file is missing (a
// changed file stays changed, a deleted one comes back).
void InstallClipFiles(const DataFolderContent& content);

// Lists the categories, built-in and made by users, in the browser and shows the first page of
// "<Text>"; once the clip files are there.
void BuildClipCatalogue(ClipBrowser& browser, const std::string& dataFolder);

// The names of the plain folders under "Clips", trimmed of spaces. A folder that is hidden (its
// name starts with a dot), read-only, or a link to somewhere else is no category.
std::vector<std::string> AddClipCategories(const std::string& dataFolder);

}  // namespace dabwick
