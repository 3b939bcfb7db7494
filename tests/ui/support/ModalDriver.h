#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

// Answers the modal windows that a handler opens, in order, from a script: each step waits for
// the next modal window, records its title and text, then acts on it (clicks a button by its
// caption or runs a function). Check finished() after the handler: a step left over means a
// window that should have come did not. Steps still waiting when the driver goes are dropped.
class ModalDriver {
public:
    ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // Clicks the button whose caption (without '&') is `caption` in the next modal window.
    ModalDriver& click(const QString& caption);
    // Types into the first line edit of the next modal window, then clicks the button.
    ModalDriver& type(const QString& text, const QString& caption);
    // Closes the next modal window with its window button.
    ModalDriver& close();
    // Runs `act` on the next modal window.
    ModalDriver& run(std::function<void(QWidget*)> act);

    // "title | text" of every modal window answered so far.
    const QStringList& seen() const;
    bool finished() const;

private:
    struct State;
    static void poll(const std::weak_ptr<State>& weak, int delay);

    std::shared_ptr<State> state_;
};
