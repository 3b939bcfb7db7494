#pragma once

#include <deque>
#include <gtest/gtest.h>
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

    std::optional<std::string> askPictureName(const std::string& preset) override
    {
        return next(names, "name: " + preset);
    }
    bool askReplace(const std::string& name) override { return next(replaceAnswers, "replace: " + name); }
    dabwick::SaveAnswer askSaveFirst(dabwick::SaveQuestion question) override
    {
        return next(saveAnswers, "save-first: " + std::to_string(int(question)));
    }
    void showBusy(bool busy) override { shown.push_back(busy ? "busy" : "idle"); }
    std::optional<std::string> askClipName() override { return next(names, "clip-name"); }

protected:
    void warn(const std::string& caption, const std::string& text) override
    {
        shown.push_back("warning: " + caption + ": " + text);
    }
    bool ask(const std::string& caption, const std::string&) override { return next(yesNoAnswers, "ask: " + caption); }
    void notify(const std::string& text) override { shown.push_back("notice: " + text); }

private:
    // Records the question, then takes its scripted answer.
    template <typename T> T next(std::deque<T>& answers, const std::string& question)
    {
        shown.push_back(question);
        if (answers.empty()) {
            ADD_FAILURE() << "no scripted answer left for \"" << question << "\"";
            return T {};
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
