#pragma once

#include <string>

namespace dabwick {

// One program's entry in "Quillory.ini", the registry shared by the maker's programs, which a
// launcher reads to list them and to pass a child's name.
struct ProgramRegistration {
    std::string name;
    std::string version;
    std::string hint;
    bool acceptsUserName = false;
    bool acceptsPassword = false;
    bool acceptsFileName = false;
    bool listed = true;
};

// Dabwick's own entry.
ProgramRegistration dabwickRegistration();

// Writes the entry into "Quillory.ini" in the registry folder, keeping every other program's
// sections as they are. When the entry's "FilePath" named another data folder, the old folder
// and its "LastRun" move to "OldPath" and "OldPathDate". `now` is the time as the user's
// locale writes it (short date, a space, long time). False when the file could not be written.
bool RegisterProgram(const std::string& registryFolder, const std::string& dataFolder,
                     const ProgramRegistration& program, const std::string& now);

}  // namespace dabwick
