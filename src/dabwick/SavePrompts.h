#pragma once

#include <optional>
#include <string>

namespace dabwick {

enum class SaveAnswer { Yes, No, Cancel };

// Which save question comes before an action that would throw the picture away.
enum class SaveQuestion {
    BeforeNewPicture,  // "Draw"
    BeforeQuit,        // closing the main window
    BeforeLoad,        // "Color" and "Load"
};

// The save dialogs, as the saving flow needs them. The windows implement them with the
// program's own modal dialogs; tests with scripted answers.
class SavePrompts {
public:
    virtual ~SavePrompts() = default;

    // The name dialog, its name box preset. The name typed when closed with "Save" (a blank
    // name comes back empty), nothing when cancelled or closed.
    virtual std::optional<std::string> askPictureName(const std::string& preset) = 0;
    // The replace question for a name that is taken; true for "Replace".
    virtual bool askReplace(const std::string& name) = 0;
    // Yes, No or Cancel; closing the question counts as Cancel.
    virtual SaveAnswer askSaveFirst(SaveQuestion question) = 0;
    // Called with true just before the picture files are written and with false right after,
    // so the busy cursor shows while the disk works and never over a question.
    virtual void showBusy(bool busy) = 0;
};

}  // namespace dabwick
