#include "ScriptedPrompts.h"

#include <QCoreApplication>
#include <QtGlobal>

void ScriptedPrompts::answer(std::initializer_list<bool> answers)
{
    answers_.insert(answers_.end(), answers);
}

void ScriptedPrompts::warn(const std::string& caption, const std::string& text)
{
    shown_.push_back({Kind::Warning, caption, text});
}

bool ScriptedPrompts::ask(const std::string& caption, const std::string& text)
{
    shown_.push_back({Kind::Question, caption, text});
    if (answers_.empty()) {
        qWarning("ScriptedPrompts: no answer scripted for \"%s\", answering No", caption.c_str());
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

void ScriptedPrompts::notify(const std::string& text)
{
    // A notice carries the program's title, as the real message box does.
    shown_.push_back({Kind::Notice, QCoreApplication::applicationName().toStdString(), text});
}
