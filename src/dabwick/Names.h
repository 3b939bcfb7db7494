#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// File and folder names are compared without regard to letter case everywhere in the program,
// so that "Ann" and "ann" share one folder and "Cat.DWB" matches "*.dwb*". These helpers are
// the one place that does it; letters outside ASCII compare exactly.
namespace dabwick {

bool sameNameIgnoringCase(std::string_view a, std::string_view b);
// Orders names the way the choosers and lists sort them: by letters without regard to case.
bool lessIgnoringCase(std::string_view a, std::string_view b);
std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);

// Wildcard match of a folder mask ("*.dwb*", "*.*") against a name: '*' any run, '?' one character.
bool matchesMask(std::string_view name, std::string_view mask);

// The entry of that name in the folder, as stored on disk, or nothing when there is none.
// An exact match wins over a match that differs only in case.
std::optional<std::string> findEntry(const std::string& folder, std::string_view name);

// The path with every existing component spelled as stored on disk; components that do not
// exist yet keep the caller's spelling. Used before every open, create and existence test.
std::string resolveIgnoringCase(const std::string& path);

// True when a file or folder exists at the path, compared without regard to case.
bool existsIgnoringCase(const std::string& path);

// The entries of one folder, read once: start-up asks about some hundred built-in files, and
// reading the folder again for each question kept the child waiting.
class FolderListing {
public:
    // A folder that is missing lists nothing.
    explicit FolderListing(const std::string& folder);
    // The folder as stored on disk (see resolveIgnoringCase).
    const std::string& path() const { return folder_; }
    // What existsIgnoringCase(path() + name) answered when the folder was read.
    bool holds(std::string_view name) const;

private:
    struct Entry {
        std::string name;
        bool exists;  // false for a link that leads nowhere
    };
    std::string folder_;
    std::vector<Entry> entries_;
};

enum class EntryKind { Files, Folders };

// Names in the folder matching the mask, sorted without regard to case. "." and ".." never appear.
std::vector<std::string> listFolder(const std::string& folder, std::string_view mask, EntryKind kind);

}  // namespace dabwick
