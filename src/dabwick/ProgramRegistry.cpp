#include "dabwick/ProgramRegistry.h"

#include "dabwick/FileRoutines.h"
#include "dabwick/IniFile.h"
#include "dabwick/Names.h"

namespace dabwick {

ProgramRegistration dabwickRegistration()
{
    return {"Dabwick", "2.0.5", "An easy to use drawing and coloring program", true, false, false, true};
}

bool RegisterProgram(const std::string& registryFolder, const std::string& dataFolder,
                     const ProgramRegistration& program, const std::string& now)
{
    if (registryFolder.empty())
        return false;
    const std::string path = registryFolder + "Quillory.ini";
    IniFile ini;
    if (!loadIniFile(resolveIgnoringCase(path), ini))
        return false;  // unreadable: another program's entries are not ours to write over
    const std::string section = "Software." + program.name;
    const std::string previousPath = ini.readString(section, "FilePath", "");
    const std::string previousRun = ini.readString(section, "LastRun", "");

    ini.writeString(program.listed ? "Software" : "HiddenSoftware", program.name, "");
    ini.writeString(section, "Version", program.version);
    ini.writeString(section, "Hint", program.hint);
    ini.writeBool(section, "AcceptUsername", program.acceptsUserName);
    ini.writeBool(section, "AcceptPassword", program.acceptsPassword);
    ini.writeBool(section, "AcceptFilename", program.acceptsFileName);
    ini.writeBool(section, "ListApplication", program.listed);
    ini.writeString(section, "FilePath", dataFolder);
    ini.writeString("AllSoftware", program.name, "");
    if (!previousPath.empty() && !sameNameIgnoringCase(previousPath, dataFolder)) {
        ini.writeString(section, "OldPath", previousPath);
        ini.writeString(section, "OldPathDate", previousRun);
    }
    ini.writeString(section, "LastRun", now);

    CreateFolder(registryFolder);
    // Rewritten at every start, so it need not hold up the first window waiting for the disk;
    // the start-up flushes it with the built-in files.
    if (!saveIniFile(resolveIgnoringCase(path), ini, platform::Flush::Later))
        return false;
    OpenFileAccess(path);
    return true;
}

}  // namespace dabwick
