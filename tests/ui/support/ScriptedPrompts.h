#pragma once

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
    void answer(std::initializer_list<bool> answers);
    const std::vector<Shown>& shown() const { return shown_; }
    bool allAnswersUsed() const { return answers_.empty(); }

protected:
    void warn(const std::string& caption, const std::string& text) override;
    bool ask(const std::string& caption, const std::string& text) override;
    void notify(const std::string& text) override;

private:
    std::deque<bool> answers_;
    std::vector<Shown> shown_;
};
