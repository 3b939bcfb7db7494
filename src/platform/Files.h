#pragma once

#include <cstdint>
#include <span>
#include <string>

// Plain POSIX file services the program needs beyond the standard library.
namespace platform {

// Opens a plain file or folder to every local user: files 0666, folders 0777. True on success.
// A symbolic link is refused rather than followed: the access setup runs as root over folders
// that any user may write, and a planted link must not open up what it points to.
bool grantEveryoneAccess(const std::string& path);
// The same for a path below the folder, refused when any of its components is a link, "." or
// "..", so nothing outside the folder can be reached.
bool grantEveryoneAccessBelow(const std::string& folder, const std::string& relativePath);

// True for the root of a file system (a folder on another device than its parent, or "/"):
// the one kind of folder that lists no "." and ".." entries on the systems the setup came from.
bool isVolumeRoot(const std::string& folder);

// When the written bytes must be on the disk. Now: before the file takes its name, so a crash
// leaves the old content or the new. Later: the name is taken at once and the bytes go to disk
// at the next flushWritesLeftForLater(); for files that the program writes again anyway (when
// missing, or at every start), where waiting for the disk one file at a time would only keep
// the child waiting.
enum class Flush { Now, Later };

// Who may read and write the new file: its owner, or every user (mode 0666, as grantEveryoneAccess).
enum class Access { Owner, Everyone };

// Replaces the file's content through a temporary file in the same folder and a rename, so a
// crash or a full disk leaves either the old file or the new one, never half of one.
// On failure returns false and fills error with a short reason; the old file is untouched.
bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error = nullptr,
    Flush flush = Flush::Now, Access access = Access::Owner);

// Puts the files written with Flush::Later since the last call, and their folder entries, on
// the disk, and waits for it. Safe to call from any thread, also while files are written.
void flushWritesLeftForLater();

// Reads a whole file of at most maxBytes; false when it cannot be read or is larger.
bool readSmallFile(const std::string& path, std::size_t maxBytes, std::string& content);

}  // namespace platform
