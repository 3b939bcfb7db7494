#include "dabwick/DataFolderContent.h"

#include "dabwick/FileRoutines.h"
#include "dabwick/Names.h"

namespace dabwick {

void DataFolderContent::ExtractMusicFiles() const
{
    struct Tune {
        const char* file;
        const char* resource;
    };
    const FolderListing present(dataFolder);
    for (const Tune tune : {Tune{"DW Open Music.mid", "openmusic"}, Tune{"DW Animate Music.mid", "animusic"}})
        ExtractResourceFile(resources, record, tune.resource, "MUSIC", present, tune.file);
}

}  // namespace dabwick
