#pragma once

#include <string>

// Facts about the running process and the user's standard folders.
namespace platform {

// The program file's own path as the system reports it, symbolic links resolved.
std::string programFilePath();
// The path the program was started by (argv[0] made absolute), without resolving links.
std::string launchPath(const char* argv0);

// The administrator test: the process runs with effective user id 0.
bool isAdministrator();

// $XDG_CONFIG_HOME or ~/.config, ending in '/'.
std::string configFolder();
// $XDG_DATA_HOME or ~/.local/share, ending in '/'.
std::string dataHomeFolder();
// $XDG_RUNTIME_DIR, or a private folder under the temporary folder, ending in '/'.
std::string runtimeFolder();

}  // namespace platform
