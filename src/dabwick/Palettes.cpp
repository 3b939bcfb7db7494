#include "dabwick/Palettes.h"

#include <algorithm>

#include "dabwick/DataFolderContent.h"
#include "dabwick/FileRoutines.h"
#include "dabwick/Names.h"

namespace dabwick {

namespace {

// As the chooser has always trimmed names: control characters and spaces at either end go.
std::string trimmed(const std::string& name)
{
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t first = 0;
    std::size_t last = name.size();
    while (first < last && isBlank(name[first]))
        ++first;
    while (last > first && isBlank(name[last - 1]))
        --last;
    return name.substr(first, last - first);
}

}  // namespace

void InstallPalettes(const DataFolderContent& content)
{
    const std::string folder = content.dataFolder + kPaletteFolder;
    CreateFolder(folder);
    OpenFileAccess(folder);
    const FolderListing present(folder);
    for (std::size_t i = 0; i < kPaletteNames.size(); ++i)
        ExtractResourceFile(content.resources, content.record, "palette" + std::to_string(i + 1), kPaletteType, present,
                            kPaletteNames[i] + std::string(kPaletteExtension));
}

std::vector<std::string> ListPalettes(const std::string& dataFolder)
{
    std::vector<std::string> names;
    for (const std::string& file : listFolder(dataFolder + kPaletteFolder, "*.dwl*", EntryKind::Files)) {
        const std::string name = trimmed(file);
        if (!name.empty())
            names.push_back(name.substr(0, name.size() - 4));  // the mask leaves at least ".dwl"
    }
    // Sorted again once trimmed, so a name typed with a space in front sorts by its letters.
    std::stable_sort(
        names.begin(), names.end(), [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });
    return names;
}

}  // namespace dabwick
