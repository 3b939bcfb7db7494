#pragma once

#include <QCoreApplication>
#include <QtGlobal>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "dabwick/Prompts.h"

// Prompts for window tests: questions take their answers from a script, and every box that
// would have been shown is recorded, so a test can check what the child saw and in what order.
class ScriptedPrompts : public dabwick::Prompts {
public:
    enum class Kind { Warning, Question, Notice };
    struct Shown {
        Kind kind;
        std::string caption;
        std::string text;
    };

    // Queues answers for the next questions, Yes as true. A question with no answer left is
    // answered No and reported with a warning in the test log.
    void answer(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }
    const std::vector<Shown>& shown() const { return shown_; }
    bool allAnswersUsed() const { return answers_.empty(); }

protected:
    void warn(const std::string& caption, const std::string& text) override
    {
        shown_.push_back({Kind::Warning, caption, text});
    }
    bool ask(const std::string& caption, const std::string& text) override
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
    // A notice carries the program's title, as the real message box does.
    void notify(const std::string& text) override
    {
        shown_.push_back({Kind::Notice, QCoreApplication::applicationName().toStdString(), text});
    }

private:
    std::deque<bool> answers_;
    std::vector<Shown> shown_;
};
