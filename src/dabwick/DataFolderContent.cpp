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
    for (const Tune tune : {Tune{"DW Open Music.mid", "openmusic"}, Tune{"DW Animate Music.mid", "animusic"}}) {
        const std::string path = dataFolder + tune.file;
        if (!existsIgnoringCase(path))
            ExtractResourceFile(resources, record, tune.resource, "MUSIC", path);
    }
}

}  // namespace dabwick
