#pragma once

#include <optional>
#include <string>

namespace dabwick {

class ClipMaker;
class FirstRunRecord;
class Prompts;

// The clip maker's name dialog: "Clip Name", its box empty, at most 20 characters and none
// that a file name cannot hold. The typed text when closed with OK, nothing when cancelled.
class ClipNameDialog {
public:
    virtual ~ClipNameDialog() = default;
    virtual std::optional<std::string> askClipName() = 0;
};

// The folder of the child's own clips, ending in '/'.
std::string userClipsFolder(const std::string& dataFolder, const std::string& owner);

// Saves the maker's clip, 24-bit and 12342 bytes, in one of three ways: nobody signed in (the
// temporary clip in the data folder), a new clip or a copy (asks for a name until a free one
// is given) or an edited clip (asks before replacing its file).
class ClipSaver {
public:
    ClipSaver(std::string dataFolder, Prompts& prompts, ClipNameDialog& names, FirstRunRecord& record)
        : dataFolder_(std::move(dataFolder))
        , prompts_(prompts)
        , names_(names)
        , record_(record)
    {
    }

    // True when the maker's window is to close: after a new clip was saved, and after a
    // replace was answered Yes, written or not.
    bool btnsaveClick(const ClipMaker& maker);

private:
    void saveTempClip(const ClipMaker& maker);
    bool saveNewClip(const ClipMaker& maker);
    bool replaceClip(const ClipMaker& maker);
    // Writes the clip and tells the child; false after a failure, which is warned about and noted.
    bool writeClip(const ClipMaker& maker, const std::string& path, const char* doneNotice);

    std::string dataFolder_;
    Prompts& prompts_;
    ClipNameDialog& names_;
    FirstRunRecord& record_;
};

}  // namespace dabwick
