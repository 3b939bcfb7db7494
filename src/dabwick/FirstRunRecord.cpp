#include "dabwick/FirstRunRecord.h"

#include "dabwick/FileRoutines.h"
#include "dabwick/IniFile.h"
#include "dabwick/Names.h"

namespace dabwick {

namespace {

constexpr const char* kDataSection = "Quillory.Data";
constexpr const char* kErrorSection = "Quillory.LastError";

std::string folderWithSlash(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("/") : path.substr(0, slash + 1);
}

}  // namespace

void FirstRunRecord::WriteSetupRecord(bool flag, const std::string& description)
{
    if (path_.empty())
        return;
    IniFile ini;
    if (!loadIniFile(path_, ini))
        return;  // unreadable: leave it as it is rather than write over it
    ini.writeBool(kDataSection, "Flag", flag);
    ini.writeString(kDataSection, "Path", launchFolder_);
    if (!flag) {
        ini.writeString(kErrorSection, "Description", description);
        ini.writeBool(kErrorSection, "AccessLevel", administrator_);
    }
    // Only a note of what happened, so it does not wait for the disk; the start-up flushes it
    // with the built-in files, and a later note goes with the system's own write-back.
    if (saveIniFile(path_, ini, platform::Flush::Later))
        OpenFileAccess(path_);
}

void FirstRunRecord::RecordLastError(const std::string& description)
{
    WriteSetupRecord(false, description);
}

void FirstRunRecord::MarkSetupDone()
{
    WriteSetupRecord(true, {});
}

bool FirstRunRecord::FirstRunSetupDone() const
{
    IniFile ini;
    if (path_.empty() || !existsIgnoringCase(path_) || !loadIniFile(path_, ini))
        return false;
    if (!ini.readBool(kDataSection, "Flag", false))
        return false;
    const std::string recorded = ini.readString(kDataSection, "Path", "");
    // The stored path is a folder ending in '/', so its folder part is itself.
    return toLowerAscii(folderWithSlash(recorded)) == toLowerAscii(launchFolder_);
}

}  // namespace dabwick
