#include "dabwick/PlayerSettings.h"

#include "dabwick/FileRoutines.h"
#include "dabwick/FirstRunRecord.h"
#include "dabwick/IniFile.h"
#include "dabwick/Names.h"

namespace dabwick {

namespace {

constexpr const char* kSection = "Player";

std::string settingsPath(const std::string& userFolder)
{
    return resolveIgnoringCase(userFolder + kPlayerSettingsFile);
}

}  // namespace

PlayerSettings ReadPlayerSettings(const std::string& userFolder)
{
    PlayerSettings settings;
    IniFile ini;
    if (!loadIniFile(settingsPath(userFolder), ini))
        return settings;
    settings.maximized = ini.readBool(kSection, "Maximized", settings.maximized);
    settings.musicOn = ini.readBool(kSection, "Music On", settings.musicOn);
    return settings;
}

bool WritePlayerSettings(const std::string& userFolder, const PlayerSettings& settings, FirstRunRecord& record)
{
    const std::string path = settingsPath(userFolder);
    IniFile ini;
    // A file we cannot read is left alone rather than written over.
    bool written = loadIniFile(path, ini);
    if (written) {
        ini.writeBool(kSection, "Maximized", settings.maximized);
        ini.writeBool(kSection, "Music On", settings.musicOn);
        written = saveIniFile(path, ini);
    }
    if (!written) {
        record.RecordLastError("Unable to write " + path);
        return false;
    }
    OpenFileAccess(path);
    return true;
}

}  // namespace dabwick
