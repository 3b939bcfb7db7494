#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Answers the modal windows that a handler opens, in order, from a script: each step waits for
// the next modal window, records its title and text, then acts on it (clicks a button by its
// caption or runs a function). Steps left over when the test ends fail it.
class ModalDriver {
public:
    ModalDriver();
    ~ModalDriver();

    // Clicks the button whose caption (without '&') is `caption` in the next modal window.
    ModalDriver& click(const QString& caption);
    // Types into the first line edit of the next modal window, then clicks the button.
    ModalDriver& type(const QString& text, const QString& caption);
    // Closes the next modal window with its window button.
    ModalDriver& close();

    // "title | text" of every modal window answered so far.
    const QStringList& seen() const { return seen_; }
    bool finished() const { return steps_ == 0; }

private:
    ModalDriver& then(std::function<void(QWidget*)> act);

    QStringList seen_;
    int steps_ = 0;
    int pending_ = 0;
};
