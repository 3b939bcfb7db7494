#include "dabwick/ClipCatalogue.h"

#include <array>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "dabwick/ClipBrowser.h"
#include "dabwick/DataFolderContent.h"
#include "dabwick/FileRoutines.h"
#include "dabwick/Names.h"

namespace fs = std::filesystem;

namespace dabwick {

namespace {

constexpr const char* kAnimals[] = {
    "Angry fish", "Bird in nest", "Bug", "Bumble bee", "Bunny", "Cat drinking", "Cat sleeping", "Dog barking",
    "Dog resting", "Fox", "Frog ready to jump", "Frog sitting", "Happy fish", "Horse", "Inch worm", "Ladybug",
    "Swan", "Turtle",
};
constexpr const char* kNature[] = {
    "flower 01", "flower 02", "Leaf 01", "Leaf 02", "Limb 01", "Tree 01", "Tree 02", "Tree 03", "Tree 04",
};
constexpr const char* kFood[] = {
    "Apple", "Bananas", "Burger", "Cupcake", "Hot pepper", "Jam", "Mushrooms", "Onion", "Pizza slice 02",
    "Shrimp", "Take out", "The sandwich",
};
constexpr const char* kShapes[] = {"Arrow", "Block", "Cross", "Flash", "Shield", "Star 01", "Star 02", "Star 03"};
constexpr const char* kHolidays[] = {
    "Bell", "Bow", "Cake", "candle", "Decoration 01", "Decoration 02", "Decoration 03", "Diamond", "Easter egg 01",
    "Easter egg 02", "Easter egg 03", "Easter egg 04", "Gift 01", "Gift 02", "Heart with arrow", "Heart",
};
constexpr const char* kBlocks[] = {"Large blocks", "Rock wall", "Small blocks"};
constexpr const char* kBorders[] = {
    "Corner fancy", "Corner picture", "Corner simple", "Corner solid", "Straight fancy and simple",
    "Straight picture", "Straight solid",
};
constexpr const char* kFences[] = {
    "Chain link 01", "Chain link 02", "Chain link 03", "Picket fence 01", "Picket fence 02", "Picket fence 03",
    "Picket fence 04", "Picket fence 05", "Picket fence 06", "Picket fence 07", "Picket fence 08", "Rail fence 01",
    "Rail fence 02", "Rail fence 03",
};
constexpr const char* kLines[] = {"Thick 01", "Thick 02", "Thick 03", "Thin 01", "Thin 02", "Thin 03"};
constexpr const char* kHouseParts[] = {
    "Book case 01", "Chair 01", "Computer 01", "Couch 01", "Desk 01", "Door 01", "Door 02", "Large window",
    "Piano 01", "Round table", "Small window",
};

constexpr std::array<ClipCategory, 10> kCategories = {{
    {"Animals", "anima", kAnimals},
    {"Nature", "natur", kNature},
    {"Food", "food", kFood},
    {"Shapes", "shape", kShapes},
    {"Holidays", "holid", kHolidays},
    {"Blocks", "block", kBlocks},
    {"Borders", "borde", kBorders},
    {"Fences", "fence", kFences},
    {"Lines", "lines", kLines},
    {"House parts", "house", kHouseParts},
}};

// The order of the write passes: House parts comes straight after Shapes.
constexpr std::array<std::size_t, 10> kPassOrder = {0, 1, 2, 3, 9, 4, 5, 6, 7, 8};
// As many passes as the catalogue has always made; the largest category needs only 18.
constexpr std::size_t kPasses = 57;

std::string trimSpaces(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A folder that the owner may write into and that is neither hidden nor a link: on this system
// what a folder with the directory attribute and no other is.
bool isPlainFolder(const fs::directory_entry& entry)
{
    std::error_code ec;
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.front() == '.' || !entry.is_directory(ec) || entry.is_symlink(ec))
        return false;
    struct stat info {};
    const std::string path = entry.path().string();
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

std::span<const ClipCategory> clipCategories()
{
    return kCategories;
}

void InstallClipFiles(const DataFolderContent& content)
{
    const std::string clips = content.dataFolder + kClipFolder;
    CreateFolder(clips);
    for (const ClipCategory& category : kCategories)
        CreateFolder(clips + category.folder);
    OpenFileAccess(clips);
    for (const ClipCategory& category : kCategories)
        OpenFileAccess(clips + category.folder);

    std::vector<FolderListing> present;
    for (const ClipCategory& category : kCategories)
        present.emplace_back(clips + category.folder + "/");
    for (std::size_t i = 1; i <= kPasses; ++i) {
        for (const std::size_t visit : kPassOrder) {
            const ClipCategory& category = kCategories[visit];
            if (i <= category.clips.size())
                ExtractResourceFile(content.resources, content.record, category.prefix + std::to_string(i),
                                    kClipResourceType, present[visit], category.clips[i - 1] + std::string(".dwc"));
        }
    }
}

void BuildClipCatalogue(ClipBrowser& browser, const std::string& dataFolder)
{
    browser.cbclipsChange(kTextCategory);
    browser.setFolderCategories(AddClipCategories(dataFolder));
    browser.ShowClipPage();
}

std::vector<std::string> AddClipCategories(const std::string& dataFolder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(resolveIgnoringCase(dataFolder + "clips/"), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!isPlainFolder(*it))
            continue;
        std::string name = trimSpaces(it->path().filename().string());
        if (!name.empty())
            names.push_back(std::move(name));
    }
    return names;
}

}  // namespace dabwick
