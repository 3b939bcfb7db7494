#pragma once

#include <string>

namespace dabwick {

class FirstRunRecord;
class ResourceTable;

// The built-in content that start-up writes into the data folder wherever its file is
// missing. Existing files are never rewritten: a file the child changed stays changed, and a
// deleted one comes back at the next start.
struct DataFolderContent {
    const ResourceTable& resources;
    FirstRunRecord& record;
    std::string dataFolder;

    // "DW Open Music.mid" (resource "openmusic") and "DW Animate Music.mid" ("animusic").
    void ExtractMusicFiles() const;
};

}  // namespace dabwick
