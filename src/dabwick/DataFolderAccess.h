#pragma once

#include <string>
#include <vector>

namespace dabwick {

class FirstRunRecord;

// The first-run access setup: an administrator's first start opens every data file to every
// user of the computer, so that each child's own account can read and write them.

// The paths, relative to the data folder, that the setup opens, in the order it opens them.
// Empty when the data folder is the root of a file system with no sub-folders. The program
// file and the data folder itself are never listed: a program file that any user could
// replace would run as root at the next administrator's start.
std::vector<std::string> BuildAccessList(const std::string& dataFolder);

// Opens each path of the list below the data folder to every user, never through a symbolic
// link; the entries that failed stay in the list. Marks the setup done when the list was not
// empty, whether or not an entry failed. True when none failed.
bool GrantAccessToList(const std::string& dataFolder, std::vector<std::string>& list, FirstRunRecord& record);

// Both steps; start-up runs it when the record asks for the setup.
bool OpenDataFolderAccess(const std::string& dataFolder, FirstRunRecord& record);

}  // namespace dabwick
