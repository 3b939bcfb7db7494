#pragma once

#include <string>

namespace dabwick {

class FirstRunRecord;

inline constexpr const char* kPlayerSettingsFile = "Dw Player.ini";

// The animation player's two remembered choices, kept in the child's folder from one use to the next.
struct PlayerSettings {
    bool maximized = false;
    bool musicOn = true;
    friend bool operator==(const PlayerSettings&, const PlayerSettings&) = default;
};

// Reads "Dw Player.ini" in the child's folder (ending in '/'); a missing file, an unreadable one
// or a value that is not a number gives the defaults.
PlayerSettings ReadPlayerSettings(const std::string& userFolder);

// Stores the settings, keeping any other lines of the file, and opens the file to every user.
// A failure is noted in the first-run record and gives false; the old file stays as it was.
bool WritePlayerSettings(const std::string& userFolder, const PlayerSettings& settings, FirstRunRecord& record);

}  // namespace dabwick
