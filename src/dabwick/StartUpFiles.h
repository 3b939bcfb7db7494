#pragma once

#include <chrono>
#include <future>

#include "dabwick/DataFolderContent.h"

namespace dabwick {

// The built-in files the start-up writes wherever one is missing, in the start-up's order: the
// music files, the colouring pages, the clips and the palettes. A worker thread writes them from
// the program's first moments, while the application connects to the display and the windows
// are made, which takes longer; the start-up waits for the music before the name screen plays
// it, and for the rest before the name panel comes into view. Until then nothing else may
// touch the first-run record.
class StartUpFiles {
public:
    explicit StartUpFiles(const DataFolderContent& content);

    void waitForMusic() const;
    // True once every file is written; waits at most that long for it.
    bool waitForAll(std::chrono::milliseconds patience) const;

private:
    std::promise<void> musicWritten_;
    std::future<void> music_;
    // Last, so it goes first: should the program end before the worker is done, it waits for
    // the worker before the promise the worker keeps goes.
    std::future<void> all_;
};

}  // namespace dabwick
