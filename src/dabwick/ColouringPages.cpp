#include "dabwick/ColouringPages.h"

#include "dabwick/DataFolderContent.h"
#include "dabwick/FileRoutines.h"
#include "dabwick/Names.h"

namespace dabwick {

void InstallColouringPages(const DataFolderContent& content)
{
    const std::string folder = content.dataFolder + kColouringPageFolder;
    CreateFolder(folder);
    OpenFileAccess(folder);
    for (std::size_t i = 0; i < kColouringPageNames.size(); ++i) {
        const std::string path = folder + kColouringPageNames[i] + ".dwp";
        if (!existsIgnoringCase(path))
            ExtractResourceFile(content.resources, content.record, "page" + std::to_string(i + 1), "image", path);
    }
}

}  // namespace dabwick
