#pragma once

#include <string>

namespace dabwick {

// The small INI file beside the program that remembers whether the data files have been
// opened to every user, and notes the last file error so that the next start by an
// administrator runs that setup again.
class FirstRunRecord {
public:
    FirstRunRecord(std::string recordPath, std::string launchFolder, bool administrator)
        : path_(std::move(recordPath)), launchFolder_(std::move(launchFolder)), administrator_(administrator) {}

    // Notes a file error: "Flag" false, "Path", "Description" and "AccessLevel".
    void RecordLastError(const std::string& description);
    // Notes that the access setup has run for the current launch folder.
    void MarkSetupDone();
    // True when the record says the setup was done for this same launch folder.
    bool FirstRunSetupDone() const;
    // True for an administrator whose record is not done for this launch folder.
    bool NeedsFirstRunSetup() const { return administrator_ && !FirstRunSetupDone(); }

    const std::string& path() const { return path_; }

private:
    void WriteSetupRecord(bool flag, const std::string& description);

    std::string path_;
    std::string launchFolder_;
    bool administrator_;
};

}  // namespace dabwick
