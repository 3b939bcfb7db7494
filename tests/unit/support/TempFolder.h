#pragma once

#include <filesystem>
#include <string>

#include "raster/Bitmap.h"

// A fresh folder under the system's temporary folder, removed with everything in it at the
// end of the test. path() ends in '/', like every folder path of the program.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // Writes a file below the folder, creating folders on the way; returns its full path.
    std::string write(const std::string& relative, const std::string& content) const;
    // Writes the picture as a 24-bit bitmap file, as the program writes pictures and clips.
    std::string writeBitmap(const std::string& relative, const raster::Bitmap& picture) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    // Creates a folder below this one and returns its path ending in '/'.
    std::string makeFolder(const std::string& relative) const;

private:
    std::string path_;
};
