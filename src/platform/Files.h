#pragma once

#include <cstdint>
#include <span>
#include <string>

// Plain POSIX file services the program needs beyond the standard library.
namespace platform {

// Opens a file or folder to every local user: files 0666, folders 0777. True on success.
bool grantEveryoneAccess(const std::string& path);

// Replaces the file's content through a temporary file in the same folder and a rename, so a
// crash or a full disk leaves either the old file or the new one, never half of one.
// On failure returns false and fills error with a short reason; the old file is untouched.
bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error = nullptr);

// Reads a whole file of at most maxBytes; false when it cannot be read or is larger.
bool readSmallFile(const std::string& path, std::size_t maxBytes, std::string& content);

}  // namespace platform
