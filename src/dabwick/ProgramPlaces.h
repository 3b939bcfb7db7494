#pragma once

#include <string>

namespace dabwick {

// Where the program keeps its files, worked out once at start. Every folder ends in '/'.
struct ProgramPlaces {
    std::string dataFolder;         // built-in content and the children's folders
    std::string launchFolder;       // the program's folder as it was started, links not resolved
    std::string programFileName;    // the program file's own name
    std::string registryFolder;     // holds the registry of the maker's programs
    std::string firstRunRecordPath; // beside the program when it may write there and is not installed
    bool administrator = false;

    // The places of the running program: the data folder is the program's own folder, or the
    // per-user data folder when the program's folder cannot be written or is an installed bin/.
    static ProgramPlaces discover(const char* argv0);
};

// The folder part of a program path, expanded to names as stored on disk; empty when the
// path is not absolute or names something that does not exist.
std::string ProgramFolder(const std::string& programPath);

// True when the program's folder is the bin/ of an installed tree: beside it lies
// share/applications/ holding the program's desktop entry.
bool IsInstalledLayout(const std::string& programFolder);

// Each component of an absolute path spelled as stored on disk (found without regard to case).
// A folder path comes back ending in '/'; a path that reaches a file stops there. Anything not
// found, or a relative path, gives an empty result.
std::string ExpandLongPath(const std::string& path);

}  // namespace dabwick
