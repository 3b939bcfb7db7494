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
    const FolderListing present(folder);
    for (std::size_t i = 0; i < kColouringPageNames.size(); ++i)
        ExtractResourceFile(content.resources, content.record, "page" + std::to_string(i + 1), "image", present,
                            kColouringPageNames[i] + std::string(".dwp"));
}

}  // namespace dabwick
