#pragma once

#include "dabwick/Prompts.h"

class QWidget;

// The program's questions and messages as real modal message boxes.
class MessageBoxPrompts : public dabwick::Prompts {
public:
    // Boxes are centred on the parent's window when there is one.
    explicit MessageBoxPrompts(QWidget* parent = nullptr) : parent_(parent) {}

protected:
    void warn(const std::string& caption, const std::string& text) override;
    bool ask(const std::string& caption, const std::string& text) override;
    void notify(const std::string& text) override;

private:
    QWidget* parent_;
};
