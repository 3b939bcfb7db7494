#pragma once

#include <string>

namespace dabwick {

class FirstRunRecord;
class PictureDocument;
class Prompts;
class SavePrompts;
enum class SaveQuestion;

// Saves the current picture into the signed-in child's folder: a ".dwb" holding the picture
// above its line-art layer (660 by 888) and a ".bmp" copy of the picture alone.
class PictureSaver {
public:
    PictureSaver(PictureDocument& document, Prompts& prompts, SavePrompts& dialogs, FirstRunRecord& record)
        : document_(document), prompts_(prompts), dialogs_(dialogs), record_(record) {}

    // The child's folder, ending in '/': data folder + name + "'s folder/Dabwick/".
    void setUserFolder(const std::string& folder) { userFolder_ = folder; }
    const std::string& userFolder() const { return userFolder_; }

    // Asks for a name (again after a blank name or a refused replace) and writes the files.
    // True only when the picture was really written: a failed write counts as not saved, so
    // no caller throws an unsaved picture away.
    bool SaveCurrentPicture();
    // Writes both files under the picture name; true when the ".dwb" was written.
    bool WritePictureFiles();

    // Asks the save question before an action that replaces the picture; true when the action
    // may go on (nothing to save, "No", or "Yes" and the picture was written).
    bool mayDiscardPicture(SaveQuestion question);

private:
    PictureDocument& document_;
    Prompts& prompts_;
    SavePrompts& dialogs_;
    FirstRunRecord& record_;
    std::string userFolder_;
};

}  // namespace dabwick
