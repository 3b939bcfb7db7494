#include "support/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <memory>

namespace {

QString textOf(QWidget* window)
{
    // A message that Qt would read as markup shows otherwise than written.
    if (auto* box = qobject_cast<QMessageBox*>(window))
        return box->textFormat() == Qt::PlainText ? box->text() : "(markup) " + box->text();
    QStringList lines;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            lines << label->text();
    }
    return lines.join(" / ");
}

QAbstractButton* buttonCaptioned(QWidget* window, const QString& caption)
{
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text().remove('&') == caption)
            return button;
    }
    return nullptr;
}

}  // namespace

struct ModalDriver::State {
    QStringList seen;
    std::deque<std::function<void(QWidget*)>> steps;
};

// Waits for a visible modal window, then takes the next step on it. The next poll is queued before
// the step acts, as the step may open the following window in a nested event loop. Polls hold
// the state weakly, so a driver that goes first leaves them nothing to do.
void ModalDriver::poll(const std::weak_ptr<State>& weak, int delay)
{
    QTimer::singleShot(delay, [weak] {
        const std::shared_ptr<State> state = weak.lock();
        if (!state || state->steps.empty())
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return poll(weak, 10);
        state->seen << modal->windowTitle() + " | " + textOf(modal);
        const std::function<void(QWidget*)> act = std::move(state->steps.front());
        state->steps.pop_front();
        if (!state->steps.empty())
            poll(weak, 10);
        act(modal);
    });
}

ModalDriver::ModalDriver()
    : state_(std::make_shared<State>())
{
}

const QStringList& ModalDriver::seen() const
{
    return state_->seen;
}

bool ModalDriver::finished() const
{
    return state_->steps.empty();
}

ModalDriver& ModalDriver::run(std::function<void(QWidget*)> act)
{
    state_->steps.push_back(std::move(act));
    if (state_->steps.size() == 1)
        poll(state_, 0);
    return *this;
}

ModalDriver& ModalDriver::click(const QString& caption)
{
    return run([caption](QWidget* window) {
        QAbstractButton* button = buttonCaptioned(window, caption);
        if (!button) {
            // Closed, so the test fails on what it finds rather than waiting on the window.
            qWarning("no button captioned %s", qPrintable(caption));
            window->close();
        } else {
            button->click();
        }
    });
}

ModalDriver& ModalDriver::type(const QString& text, const QString& caption)
{
    return run([text, caption](QWidget* window) {
        if (auto* edit = window->findChild<QLineEdit*>())
            edit->setText(text);
        if (QAbstractButton* button = buttonCaptioned(window, caption))
            button->click();
    });
}

ModalDriver& ModalDriver::close()
{
    return run([](QWidget* window) { window->close(); });
}
