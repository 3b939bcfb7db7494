#include "support/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
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
    int steps = 0;    // steps not yet taken
    int pending = 0;  // steps ever added
    bool gone = false;
};

ModalDriver::ModalDriver() : state_(std::make_shared<State>()) {}

ModalDriver::~ModalDriver()
{
    state_->gone = true;
}

const QStringList& ModalDriver::seen() const
{
    return state_->seen;
}

bool ModalDriver::finished() const
{
    return state_->steps == 0;
}

ModalDriver& ModalDriver::then(std::function<void(QWidget*)> act)
{
    ++state_->steps;
    const int order = state_->pending++;
    // Each step polls until it is its turn and a modal window is up. The closures share the
    // state, not the driver, so a driver that goes first leaves nothing dangling.
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [state = state_, order, act, weakPoll = std::weak_ptr(poll)] {
        if (state->gone)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        const int done = state->pending - state->steps;
        if (order != done || !modal || !modal->isVisible()) {
            if (auto again = weakPoll.lock())
                QTimer::singleShot(10, [again] { (*again)(); });
            return;
        }
        state->seen << modal->windowTitle() + " | " + textOf(modal);
        --state->steps;
        act(modal);
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
    return *this;
}

ModalDriver& ModalDriver::click(const QString& caption)
{
    return then([caption](QWidget* window) {
        if (QAbstractButton* button = buttonCaptioned(window, caption))
            button->click();
        else
            qWarning("no button captioned %s", qPrintable(caption));
    });
}

ModalDriver& ModalDriver::type(const QString& text, const QString& caption)
{
    return then([text, caption](QWidget* window) {
        if (auto* edit = window->findChild<QLineEdit*>())
            edit->setText(text);
        if (QAbstractButton* button = buttonCaptioned(window, caption))
            button->click();
    });
}

ModalDriver& ModalDriver::pressEnter()
{
    return then([](QWidget* window) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    });
}

ModalDriver& ModalDriver::close()
{
    return then([](QWidget* window) { window->close(); });
}
