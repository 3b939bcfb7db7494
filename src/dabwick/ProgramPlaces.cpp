#include "dabwick/ProgramPlaces.h"

#include <filesystem>

#include "dabwick/FileRoutines.h"
#include "dabwick/Names.h"
#include "platform/System.h"

namespace fs = std::filesystem;

namespace dabwick {

namespace {

std::string folderPart(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string namePart(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string recordFileName(const std::string& programFileName)
{
    const std::size_t dot = programFileName.find_last_of('.');
    const std::string stem = (dot == std::string::npos || dot == 0) ? programFileName : programFileName.substr(0, dot);
    return stem + ".qy";
}

}  // namespace

std::string ExpandLongPath(const std::string& path)
{
    if (path.empty() || path.front() != '/')
        return {};
    std::string result = "/";
    std::size_t start = 1;
    while (start < path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string component = path.substr(start, end - start);
        start = end + 1;
        if (component.empty())
            continue;
        const std::optional<std::string> stored = findEntry(result, component);
        if (!stored)
            return {};
        std::error_code ec;
        if (!fs::is_directory(result + *stored, ec))
            return result + *stored;
        result += *stored + "/";
    }
    return result;
}

bool IsInstalledLayout(const std::string& programFolder)
{
    if (programFolder.empty() || namePart(programFolder.substr(0, programFolder.size() - 1)) != "bin")
        return false;
    std::error_code ec;
    return fs::is_regular_file(programFolder + "../share/applications/" DABWICK_DESKTOP_ID ".desktop", ec);
}

std::string ProgramFolder(const std::string& programPath)
{
    const std::string folder = folderPart(programPath);
    return folder.empty() ? std::string() : ExpandLongPath(folder);
}

ProgramPlaces ProgramPlaces::discover(const char* argv0)
{
    ProgramPlaces places;
    places.administrator = platform::isAdministrator();
    const std::string launched = platform::launchPath(argv0);
    places.launchFolder = folderPart(launched);

    const std::string programPath = platform::programFilePath();
    places.programFileName = namePart(ExpandLongPath(programPath));
    places.dataFolder = ProgramFolder(programPath);
    // Installed, the program keeps out of bin/ even for the administrator, who could write there.
    const bool installed = IsInstalledLayout(places.dataFolder);
    if (installed || !CanWriteFolder(places.dataFolder)) {
        const std::string personal = platform::dataHomeFolder() + "Dabwick/";
        std::error_code ec;
        fs::create_directories(personal, ec);
        places.dataFolder = ExpandLongPath(personal);
    }
    places.registryFolder = platform::configFolder();

    const std::string recordFolder = !installed && CanWriteFolder(places.launchFolder) ? places.launchFolder : places.dataFolder;
    places.firstRunRecordPath = recordFolder + recordFileName(places.programFileName.empty() ? "dabwick" : places.programFileName);
    return places;
}

}  // namespace dabwick
