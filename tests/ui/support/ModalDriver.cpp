#include "support/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace {

QString textOf(QWidget* window)
{
    if (auto* box = qobject_cast<QMessageBox*>(window))
        return box->text();
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

ModalDriver::ModalDriver() = default;

ModalDriver::~ModalDriver() = default;

ModalDriver& ModalDriver::then(std::function<void(QWidget*)> act)
{
    ++steps_;
    const int order = pending_++;
    // Each step polls until it is its turn and a new modal window is up.
    auto poll = std::make_shared<std::function<void()>>();
    auto lastSeen = std::make_shared<QWidget*>(nullptr);
    *poll = [this, order, act, poll, lastSeen] {
        QWidget* modal = QApplication::activeModalWidget();
        const int done = pending_ - steps_;
        if (order != done || !modal || !modal->isVisible()) {
            QTimer::singleShot(10, *poll);
            return;
        }
        seen_ << modal->windowTitle() + " | " + textOf(modal);
        --steps_;
        act(modal);
    };
    QTimer::singleShot(0, *poll);
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

ModalDriver& ModalDriver::close()
{
    return then([](QWidget* window) { window->close(); });
}
