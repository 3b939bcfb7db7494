#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace dabwick {

// A settings file of [sections] and key=value lines, read and written the way the classic
// profile functions do: sections and keys are found without regard to case, values are text,
// and a write changes one line while every other line (comments and unknown text included)
// stays as it was.
class IniFile {
public:
    // Files larger than this are refused: no settings file of ours comes near it.
    static constexpr std::size_t kMaxFileBytes = 1 << 20;

    // Never fails: lines that are neither a section, a key nor blank are kept untouched.
    static IniFile parse(std::string_view text);
    std::string text() const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // A value that is not a whole decimal number (spaces around it allowed) gives the fallback.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // Line breaks in a value become spaces, so a value can never inject keys or sections.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

private:
    struct Line {
        std::string raw;
        std::string section;  // set for a [section] line
        std::string key;      // set for a key=value line
        std::string value;
    };
    // Index of the section header line, or npos when the file has none of that name.
    std::size_t findSection(std::string_view section) const;
    std::size_t findKey(std::size_t sectionLine, std::string_view key) const;

    std::vector<Line> lines_;
};

// Reads an INI file. A missing file reads as empty (true). A file that exists but cannot be
// read, is too large or holds NUL bytes gives false, so that nobody writes over it.
bool loadIniFile(const std::string& path, IniFile& ini);
// Writes the file through a temporary file and a rename; false on failure, old file untouched.
bool saveIniFile(const std::string& path, const IniFile& ini, platform::Flush flush = platform::Flush::Now);

}  // namespace dabwick
