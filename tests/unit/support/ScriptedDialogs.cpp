#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

template <typename T>
T next(std::deque<T>& answers, const char* what)
{
    if (answers.empty()) {
        ADD_FAILURE() << "no scripted answer left for " << what;
        return T{};
    }
    T answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace

std::optional<std::string> ScriptedDialogs::askPictureName(const std::string& preset)
{
    shown.push_back("name: " + preset);
    return next(names, "the name dialog");
}

std::optional<std::string> ScriptedDialogs::askClipName()
{
    shown.push_back("clip-name");
    return next(names, "the clip name dialog");
}

bool ScriptedDialogs::askReplace(const std::string& name)
{
    shown.push_back("replace: " + name);
    return next(replaceAnswers, "the replace question");
}

dabwick::SaveAnswer ScriptedDialogs::askSaveFirst(dabwick::SaveQuestion question)
{
    shown.push_back("save-first: " + std::to_string(int(question)));
    return next(saveAnswers, "the save question");
}

void ScriptedDialogs::warn(const std::string& caption, const std::string& text)
{
    shown.push_back("warning: " + caption + ": " + text);
}

bool ScriptedDialogs::ask(const std::string& caption, const std::string&)
{
    shown.push_back("ask: " + caption);
    return next(yesNoAnswers, "a yes/no question");
}

void ScriptedDialogs::notify(const std::string& text)
{
    shown.push_back("notice: " + text);
}
