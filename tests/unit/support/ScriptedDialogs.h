#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "dabwick/ClipSaver.h"
#include "dabwick/Prompts.h"
#include "dabwick/SavePrompts.h"

// Answers every question from a script and records everything shown, so a flow can be
// walked through answer by answer. Running out of answers fails the test loudly.
class ScriptedDialogs : public dabwick::Prompts, public dabwick::SavePrompts, public dabwick::ClipNameDialog {
public:
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> names;  // nullopt: the name dialog is cancelled (both kinds)
    std::deque<bool> replaceAnswers;
    std::deque<dabwick::SaveAnswer> saveAnswers;

    // Everything shown, one line each: "warning: caption: text", "notice: text", "name: preset",
    // "replace: name", "ask: caption", "save-first: n", "clip-name", and "busy" / "idle" around the
    // writes.
    std::vector<std::string> shown;

    std::optional<std::string> askPictureName(const std::string& preset) override;
    bool askReplace(const std::string& name) override;
    dabwick::SaveAnswer askSaveFirst(dabwick::SaveQuestion question) override;
    void showBusy(bool busy) override { shown.push_back(busy ? "busy" : "idle"); }
    std::optional<std::string> askClipName() override;

protected:
    void warn(const std::string& caption, const std::string& text) override;
    bool ask(const std::string& caption, const std::string& text) override;
    void notify(const std::string& text) override;
};
