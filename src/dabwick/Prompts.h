#pragma once

#include <string>

namespace dabwick {

// Every question and message the program puts to the child goes through this interface.
// The windows implement it with real modal message boxes; tests implement it with scripted
// answers, so flows such as saving can be walked through answer by answer without a screen.
class Prompts {
public:
    virtual ~Prompts() = default;

    // Warning box with an OK button; an empty caption becomes "Warning".
    void ShowWarning(const std::string& caption, const std::string& text)
    {
        warn(caption.empty() ? "Warning" : caption, text);
    }
    // Question box with Yes and No; an empty caption becomes "Question". True for Yes.
    bool AskYesNo(const std::string& caption, const std::string& text)
    {
        return ask(caption.empty() ? "Question" : caption, text);
    }
    // Plain message box with the program's title and an OK button.
    void ShowNotice(const std::string& text) { notify(text); }

protected:
    virtual void warn(const std::string& caption, const std::string& text) = 0;
    virtual bool ask(const std::string& caption, const std::string& text) = 0;
    virtual void notify(const std::string& text) = 0;
};

}  // namespace dabwick
