#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace dabwick {

class ResourceTable;
class FirstRunRecord;
class FolderListing;

// Opens a file or folder to every user of the computer; false when that failed. Every file
// and folder the program writes gets this right after it is written.
bool OpenFileAccess(const std::string& path);

// True when a file can be created in the folder: the probe file "MYLIB000.TMP" is created,
// closed and deleted again. A missing folder gives false and creates nothing.
bool CanWriteFolder(const std::string& folder);

// Creates the folder when missing (found without regard to case); true when it exists after.
bool CreateFolder(const std::string& folder);

// Writes the bytes to the file through a temporary file and a rename and opens the file to
// every user. False on failure, with the old file, if any, untouched.
bool WriteDataFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Writes the built-in resource of that name and type (found without regard to case) to the
// file, unchanged, and opens it to every user. A resource the program does not hold gives
// false and writes nothing; a file that cannot be created is noted in the first-run record
// as "Unable to create Resource " + path. An existing file is never overwritten. The bytes
// reach the disk at the next platform::flushWritesLeftForLater().
bool ExtractResourceFile(const ResourceTable& resources, FirstRunRecord& record, std::string_view name,
    std::string_view type, const std::string& path);
// The same for a file of a folder read once, for writing many files into it: the listing
// says whether the file exists, and nothing is looked up on the disk again.
bool ExtractResourceFile(const ResourceTable& resources, FirstRunRecord& record, std::string_view name,
    std::string_view type, const FolderListing& folder, const std::string& fileName);

}  // namespace dabwick
