#include "platform/System.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

namespace {

std::string withSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/tmp";
}

std::string xdgFolder(const char* variable, const char* fallbackUnderHome)
{
    // Relative values are invalid by the XDG rules and are ignored.
    if (const char* value = std::getenv(variable); value && value[0] == '/')
        return withSlash(value);
    return withSlash(homeFolder() + "/" + fallbackUnderHome);
}

}  // namespace

std::string programFilePath()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

std::string launchPath(const char* argv0)
{
    if (!argv0 || !*argv0)
        return programFilePath();
    const std::string given(argv0);
    if (given.find('/') == std::string::npos)
        return programFilePath();  // found through PATH: the system's own answer is the best we have
    std::error_code ec;
    const fs::path absolute = fs::absolute(given, ec);
    return ec ? programFilePath() : absolute.lexically_normal().string();
}

bool isAdministrator()
{
    return ::geteuid() == 0;
}

std::string configFolder()
{
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string dataHomeFolder()
{
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

std::string runtimeFolder()
{
    if (const char* value = std::getenv("XDG_RUNTIME_DIR"); value && value[0] == '/')
        return withSlash(value);
    const std::string folder = (fs::temp_directory_path() / ("dabwick-" + std::to_string(::getuid()))).string();
    ::mkdir(folder.c_str(), 0700);
    return withSlash(folder);
}

}  // namespace platform
